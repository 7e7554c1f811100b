// Form1: the program's window, its controls by their design names, and one
// handler per control notification.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "app/picture_box.h"
#include "fade/fade.h"
#include "host/window_system.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;

namespace hueloom {

class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The window's handle in the host window system, 0 when it has none.
    Hwnd hWnd() const;
    // True from the start of its unload on: it takes no further part.
    bool IsUnloading() const { return unload_ != UnloadState::kLoaded; }

    // The ten colour columns: swatch, then red, green and blue bar.
    PictureBox* Color1 = nullptr;
    QScrollBar* red1 = nullptr;
    QScrollBar* Green1 = nullptr;
    QScrollBar* Blue1 = nullptr;
    PictureBox* Color2 = nullptr;
    QScrollBar* red2 = nullptr;
    QScrollBar* Green2 = nullptr;
    QScrollBar* Blue2 = nullptr;
    PictureBox* Color3 = nullptr;
    QScrollBar* red3 = nullptr;
    QScrollBar* Green3 = nullptr;
    QScrollBar* Blue3 = nullptr;
    PictureBox* color4 = nullptr;
    QScrollBar* red4 = nullptr;
    QScrollBar* green4 = nullptr;
    QScrollBar* blue4 = nullptr;
    PictureBox* color5 = nullptr;
    QScrollBar* red5 = nullptr;
    QScrollBar* green5 = nullptr;
    QScrollBar* blue5 = nullptr;
    PictureBox* color6 = nullptr;
    QScrollBar* red61 = nullptr;
    QScrollBar* green6 = nullptr;
    QScrollBar* blue6 = nullptr;
    PictureBox* color7 = nullptr;
    QScrollBar* red7 = nullptr;
    QScrollBar* green7 = nullptr;
    QScrollBar* blue7 = nullptr;
    PictureBox* color8 = nullptr;
    QScrollBar* red8 = nullptr;
    QScrollBar* green8 = nullptr;
    QScrollBar* blue8 = nullptr;
    PictureBox* color9 = nullptr;
    QScrollBar* red9 = nullptr;
    QScrollBar* green9 = nullptr;
    QScrollBar* blue9 = nullptr;
    PictureBox* color10 = nullptr;
    QScrollBar* red10 = nullptr;
    QScrollBar* green10 = nullptr;
    QScrollBar* blue10 = nullptr;

    // The thin boxes inside Color3, Color1 and color5.
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;

    QSlider* Slider1 = nullptr;
    QLineEdit* Text1 = nullptr;
    PictureBox* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* fade3 = nullptr;
    QRadioButton* fade4 = nullptr;
    QRadioButton* fade5 = nullptr;
    QRadioButton* fade10 = nullptr;

    // Window.
    void Form_Activate();
    void Form_Unload(bool& cancel);

    // Colour columns: each repaints its own column's swatch from its bars.
    void red1_Scroll();
    void Green1_Scroll();
    void Blue1_Scroll();
    void red2_Scroll();
    void Green2_Scroll();
    void Blue2_Scroll();
    void red3_Scroll();
    void Green3_Scroll();
    void Blue3_Scroll();
    void red4_Scroll();
    void green4_Scroll();
    void blue4_Scroll();
    void red5_Scroll();
    void green5_Scroll();
    void blue5_Scroll();
    void red61_Change();
    void green6_Scroll();
    void blue6_Scroll();
    void red7_Scroll();
    void green7_Scroll();
    void blue7_Scroll();
    void red8_Scroll();
    void green8_Scroll();
    void blue8_Scroll();
    void red9_Scroll();
    void green9_Scroll();
    void blue9_Scroll();
    void red10_Scroll();
    void green10_Scroll();
    void blue10_Scroll();

    // Grey slider, Send and the live preview.
    void Slider1_Scroll();
    void Command1_Click();
    void Text1_Change();

  signals:
    // The form has unloaded: its window is closed for good.
    void Unloaded();

  public:
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class UnloadState { kLoaded, kUnloading, kUnloaded };

    void BuildColourColumns();
    void BuildLineControls();
    void BuildFadeOptions();
    void ApplyCompactStyle();
    void SetTabOrder();
    void NameControls();  // object names as the design names them, for findChild
    void ConnectHandlers();

    // The thirty bars, column by column, red, green, blue within a column.
    std::array<QScrollBar*, 30> Bars() const;
    std::array<PictureBox*, 10> Swatches() const;
    // Reads the bars of columns 1..columns in order, one read per bar.
    std::vector<Component> ReadStops(int columns) const;
    // Disables the swatches from color10 down to that of the given column.
    void DisableSwatchesDownTo(int column);
    void PaintSwatch(PictureBox* swatch, QScrollBar* red, QScrollBar* green, QScrollBar* blue);
    // One block of Send and of the preview over the first `columns` columns.
    // False when the form began to unload during one of its yields: the
    // handler then stops, abandoning the rest.
    bool SendFaded(int columns);
    bool PreviewFaded(int columns, bool wavy);

    UnloadState unload_ = UnloadState::kLoaded;
    bool activationQueued_ = false;
};

// Puts the form's window into the topmost band; any error is ignored.
void StayOnTop(Form1& form);
// Every top-level Form1 that has not begun its unload, in the toolkit's order.
std::vector<Form1*> LoadedForms();
// Unloads every loaded form; a form already unloading is left to finish.
void UnloadAllForms();

}  // namespace hueloom
