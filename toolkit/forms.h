// The program's forms: load, show, unload and end, at most one of each kind.
#ifndef TESSALY_TOOLKIT_FORMS_H_
#define TESSALY_TOOLKIT_FORMS_H_

#include <typeindex>
#include <typeinfo>

#include "toolkit/form.h"

namespace tessaly::toolkit {

class FormRegistry {
 public:
  static Form* Find(std::type_index kind);
  static void Add(std::type_index kind, Form* form);
  static void RunLoad(Form* form) { form->Form_Load(); }
  // Query-unload, unload, then the form goes away.
  static void UnloadForm(Form* form);
  // Every form vanishes at once; no unload handling runs.
  static void DestroyAll();
};

// The loaded instance of F, or nullptr.
template <class F>
F* Instance() {
  return static_cast<F*>(FormRegistry::Find(typeid(F)));
}

// Creates F and runs its load handling, unless it is loaded already.
template <class F>
F* Load() {
  if (F* loaded = Instance<F>()) return loaded;
  F* form = new F();  // Deletes itself when unloaded.
  FormRegistry::Add(typeid(F), form);
  FormRegistry::RunLoad(form);
  return form;
}

// Query-unload and unload handling, then F is destroyed; nothing if F is not
// loaded.
template <class F>
void Unload() {
  if (F* form = Instance<F>()) FormRegistry::UnloadForm(form);
}

// Shows a form modeless and without an owner.
void Show(Form* form);

// Ends the program at once: every window vanishes and no unload handling runs.
void EndProgram();

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_FORMS_H_
