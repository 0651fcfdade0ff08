#include "toolkit/forms.h"

#include <QCoreApplication>
#include <QPointer>
#include <map>

namespace tessaly::toolkit {
namespace {

std::map<std::type_index, QPointer<Form>>& Loaded() {
  static std::map<std::type_index, QPointer<Form>> loaded;
  return loaded;
}

void Forget(Form* form) {
  for (auto it = Loaded().begin(); it != Loaded().end();) {
    if (it->second == form || it->second.isNull()) {
      it = Loaded().erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace

Form* FormRegistry::Find(std::type_index kind) {
  const auto it = Loaded().find(kind);
  if (it == Loaded().end()) return nullptr;
  // A form that is closing or closed counts as unloaded.
  Form* form = it->second.data();
  if (form == nullptr || form->unloading_ || form->ending_) return nullptr;
  return form;
}

void FormRegistry::Add(std::type_index kind, Form* form) {
  Loaded()[kind] = form;
}

void FormRegistry::UnloadForm(Form* form) {
  form->RunUnloadHandlers();
  form->hide();
  Forget(form);
  form->deleteLater();
}

void FormRegistry::DestroyAll() {
  const auto loaded = Loaded();
  Loaded().clear();
  for (const auto& [kind, form] : loaded) {
    if (form.isNull()) continue;
    form->ending_ = true;
    form->hide();
    form->deleteLater();
  }
}

void Show(Form* form) {
  form->show();
  form->raise();
  form->activateWindow();
}

void EndProgram() {
  FormRegistry::DestroyAll();
  QCoreApplication::exit(0);
}

}  // namespace tessaly::toolkit
