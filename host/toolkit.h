// The windowing toolkit as the engine sees it: one way to let pending events run.
#pragma once

namespace hueloom {

// Whatever runs the user interface. DoEvents handles every pending event of
// the program and returns; handlers it runs may start further work first.
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    virtual void DoEvents() = 0;
};

// Runs the installed toolkit's DoEvents; does nothing when none is installed.
void DoEvents();

// Installs a toolkit for its lifetime and puts back the one installed before.
class ScopedToolkit {
  public:
    explicit ScopedToolkit(Toolkit& toolkit);
    ~ScopedToolkit();
    ScopedToolkit(const ScopedToolkit&) = delete;
    ScopedToolkit& operator=(const ScopedToolkit&) = delete;

  private:
    Toolkit* previous_;
};

}  // namespace hueloom
