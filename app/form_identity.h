// What the window is known by: the caption on its title bar (what the user,
// screen readers and scripts find it by) and the window class the front ends
// register. The version resource includes this file, and the build and the
// scripts read the caption from the #define, so it stays a literal here.
#pragma once

#define HUELOOM_FORM_CAPTION "Hueloom 2.0"
#define HUELOOM_FORM_CLASS "HueloomForm"

#ifndef RC_INVOKED
namespace hueloom {

inline constexpr char kFormCaption[] = HUELOOM_FORM_CAPTION;
inline constexpr char16_t kFormCaptionUtf16[] = u"" HUELOOM_FORM_CAPTION;
inline constexpr char kFormClass[] = HUELOOM_FORM_CLASS;
inline constexpr char16_t kFormClassUtf16[] = u"" HUELOOM_FORM_CLASS;

}  // namespace hueloom
#endif
