// The program's loaded forms: what Forms lists and what unloading one does.
#pragma once

#include <vector>

namespace hueloom {

// A form is loaded from its creation until its unload has finished. A front
// end's window owns its form through this interface, whatever the form is.
class Form {
  public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Unloading a form that is already unloading does nothing more.
    virtual void Unload() = 0;

  protected:
    Form();
    // Its unload has finished: it leaves Forms().
    void LeaveForms();
};

// The loaded forms, in the order they were created.
std::vector<Form*> Forms();

}  // namespace hueloom
