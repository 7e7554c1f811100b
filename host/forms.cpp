// The program's loaded forms.
#include "host/forms.h"

#include <algorithm>

namespace hueloom {
namespace {

// One user-interface thread: a plain list is all the collection needs.
std::vector<Form*>& LoadedForms() {
    static std::vector<Form*> forms;
    return forms;
}

}  // namespace

Form::Form() { LoadedForms().push_back(this); }

Form::~Form() { LeaveForms(); }

void Form::LeaveForms() { std::erase(LoadedForms(), this); }

std::vector<Form*> Forms() { return LoadedForms(); }

}  // namespace hueloom
