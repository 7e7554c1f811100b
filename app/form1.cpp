// Form1's design: every control in its place, the tab order and the first focus.
#include "app/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <limits>
#include <utility>

#include "app/compact_style.h"
#include "app/text_box.h"
#include "app/twips.h"
#include "host/qt/qt_window_handles.h"

namespace hueloom {
namespace {

constexpr int kColumnPitch = 600;
constexpr int kSwatchSize = 615;
constexpr int kBarTop = 720;
constexpr int kBarWidth = 135;
constexpr int kBarHeight = 855;

inline constexpr Qt::WindowFlags kFixedWindowWithCloseOnly =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QScrollBar* NewBar(QWidget* parent, int left) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    bar->setFocusPolicy(Qt::StrongFocus);  // bars take the keyboard in the tab order
    bar->setGeometry(TwipsRect(left, kBarTop, kBarWidth, kBarHeight));
    return bar;
}

PictureBox* NewPictureBox(QWidget* parent, QRect geometry) {
    auto* box = new PictureBox(parent);
    box->setGeometry(geometry);
    return box;
}

// A thin box placed as its design says, relative to the holder's inner area.
PictureBox* NewInnerBox(PictureBox* holder, int left, int top, int width, int height) {
    return NewPictureBox(
        holder, TwipsRect(left, top, width, height).translated(holder->contentsRect().topLeft()));
}

QRadioButton* NewOption(QWidget* parent, const char* caption, int left, int width) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setGeometry(TwipsRect(left, 3000, width, 255));
    return option;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, kFixedWindowWithCloseOnly) {
    setWindowTitle(QStringLiteral("Hueloom 2.0"));
    BuildColourColumns();
    BuildLineControls();
    BuildFadeOptions();
    ApplyCompactStyle();
    SetTabOrder();
    NameControls();
    ConnectHandlers();
    const QRect client = TwipsRect(2850, 2325, 6030, 3255);
    setFixedSize(client.size());
    setGeometry(client);
    Color2->setFocus();
}

Form1::~Form1() = default;

Hwnd Form1::hWnd() const { return WindowHandle(*this); }

void Form1::BuildColourColumns() {
    PictureBox** swatches[] = {&Color1, &Color2, &Color3, &color4, &color5,
                               &color6, &color7, &color8, &color9, &color10};
    QScrollBar** bars[][3] = {{&red1, &Green1, &Blue1}, {&red2, &Green2, &Blue2},
                              {&red3, &Green3, &Blue3}, {&red4, &green4, &blue4},
                              {&red5, &green5, &blue5}, {&red61, &green6, &blue6},
                              {&red7, &green7, &blue7}, {&red8, &green8, &blue8},
                              {&red9, &green9, &blue9}, {&red10, &green10, &blue10}};
    for (int column = 0; column < 10; ++column) {
        const int x = kColumnPitch * column;
        *swatches[column] = NewPictureBox(this, TwipsRect(x, 0, kSwatchSize, kSwatchSize));
        for (int component = 0; component < 3; ++component) {
            *bars[column][component] = NewBar(this, x + 120 * (component + 1));
        }
    }
    Picture2 = NewInnerBox(Color3, 600, 0, 15, 615);
    Picture3 = NewInnerBox(Color1, 0, 600, 615, 15);
    Picture4 = NewInnerBox(color5, 600, 0, 15, 615);
}

void Form1::BuildLineControls() {
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setRange(0, 255);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setValue(0);
    Slider1->setTickPosition(QSlider::NoTicks);
    Slider1->setGeometry(TwipsRect(0, 1680, 6015, 255));

    Text1 = new TextBox(this);
    // Qt would cut a longer line at 32767 characters; nothing typed may be lost.
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text1->setGeometry(TwipsRect(0, 2040, 6015, 285));

    Picture1 = NewPictureBox(this, TwipsRect(0, 2400, 6015, 495));

    Command1 = new QPushButton(QStringLiteral("Send"), this);
    Command1->setGeometry(TwipsRect(0, 3000, 855, 255));
    Command1->setAutoDefault(false);

    Label1 = new QLabel(QStringLiteral("Fades"), this);
    Label1->setGeometry(TwipsRect(3480, 3000, 855, 255));
}

void Form1::BuildFadeOptions() {
    // Siblings on the window, so Qt makes the four one exclusive group.
    fade3 = NewOption(this, "3", 4080, 375);
    fade4 = NewOption(this, "4", 4560, 375);
    fade5 = NewOption(this, "5", 5040, 495);
    fade10 = NewOption(this, "10", 5520, 495);
    fade10->setChecked(true);
}

void Form1::ApplyCompactStyle() {
    // The application's own style made compact for the narrow controls; the form owns it.
    auto* style = new CompactStyle();
    style->setParent(this);
    for (QRadioButton* option : {fade3, fade4, fade5, fade10}) option->setStyle(style);
    for (QScrollBar* bar : Bars()) bar->setStyle(style);
}

void Form1::SetTabOrder() {
    // Label1 ends the design's order but, being a label, never takes the focus.
    QWidget* const order[] = {
        Color2,  Color1, Color3, Blue1,    red2,     Green2,   Blue2,   red3,     Green3,
        Blue3,   Green1, red1,   Text1,    Command1, Picture1, Slider1, Picture2, color4,
        red4,    green4, blue4,  Picture3, color5,   Picture4, color6,  color7,   color8,
        red5,    green5, blue5,  red61,    green6,   blue6,    red7,    green7,   blue7,
        red8,    green8, blue8,  color9,   color10,  red9,     green9,  blue9,    red10,
        green10, blue10, fade3,  fade4,    fade10,   fade5};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::NameControls() {
    setObjectName(QStringLiteral("Form1"));
    const std::pair<QWidget*, const char*> names[] = {
        {Color1, "Color1"},     {red1, "red1"},         {Green1, "Green1"},
        {Blue1, "Blue1"},       {Color2, "Color2"},     {red2, "red2"},
        {Green2, "Green2"},     {Blue2, "Blue2"},       {Color3, "Color3"},
        {red3, "red3"},         {Green3, "Green3"},     {Blue3, "Blue3"},
        {color4, "color4"},     {red4, "red4"},         {green4, "green4"},
        {blue4, "blue4"},       {color5, "color5"},     {red5, "red5"},
        {green5, "green5"},     {blue5, "blue5"},       {color6, "color6"},
        {red61, "red61"},       {green6, "green6"},     {blue6, "blue6"},
        {color7, "color7"},     {red7, "red7"},         {green7, "green7"},
        {blue7, "blue7"},       {color8, "color8"},     {red8, "red8"},
        {green8, "green8"},     {blue8, "blue8"},       {color9, "color9"},
        {red9, "red9"},         {green9, "green9"},     {blue9, "blue9"},
        {color10, "color10"},   {red10, "red10"},       {green10, "green10"},
        {blue10, "blue10"},     {Picture2, "Picture2"}, {Picture3, "Picture3"},
        {Picture4, "Picture4"}, {Slider1, "Slider1"},   {Text1, "Text1"},
        {Picture1, "Picture1"}, {Command1, "Command1"}, {Label1, "Label1"},
        {fade3, "fade3"},       {fade4, "fade4"},       {fade5, "fade5"},
        {fade10, "fade10"}};
    for (const auto& [control, name] : names) control->setObjectName(QLatin1String(name));
}

std::array<QScrollBar*, 30> Form1::Bars() const {
    return {red1,   Green1, Blue1,  red2,   Green2, Blue2,  red3,   Green3, Blue3,   red4,
            green4, blue4,  red5,   green5, blue5,  red61,  green6, blue6,  red7,    green7,
            blue7,  red8,   green8, blue8,  red9,   green9, blue9,  red10,  green10, blue10};
}

std::array<PictureBox*, 10> Form1::Swatches() const {
    return {Color1, Color2, Color3, color4, color5, color6, color7, color8, color9, color10};
}

}  // namespace hueloom
