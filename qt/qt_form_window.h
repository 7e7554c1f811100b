// Form1's top-level window on Qt: shows raise Activate once, the close box
// asks the form, and the window owns the form it shows.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "host/control_design.h"
#include "host/controls.h"
#include "host/form_window_rules.h"
#include "host/forms.h"

namespace hueloom {

class QtFormWindow final : public QWidget, public FormWindow {
    Q_OBJECT

  public:
    QtFormWindow();
    ~QtFormWindow() override;

    // Called once, by the factory that builds the form into this window.
    void Configure(const FormDesign& design, FormEvents& events);
    void Adopt(std::unique_ptr<Form> form);

    Hwnd hWnd() override;
    void Close() override;
    // Deleted from the event loop, never inside a handler.
    void Release() override { deleteLater(); }
    // A window closed for good is never shown again.
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<Form> form_;            // goes before the controls it refers to
    std::optional<FormWindowRules> rules_;  // once configured for its form
};

}  // namespace hueloom
