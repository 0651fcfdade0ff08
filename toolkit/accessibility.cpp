#include "toolkit/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "toolkit/label_button.h"

namespace tessaly::toolkit {
namespace {

constexpr char kRoleProperty[] = "tessalyAccessibleRole";

// A label that acts as a button is a button to a screen reader, named by its
// caption, with the press action raising its Click; any other label is
// text. Qt asks for the interface as soon as a widget changes state, even
// while it is being built, so the role is looked up each time.
class AccessibleLabelButton : public QAccessibleWidget {
 public:
  explicit AccessibleLabelButton(LabelButton* button)
      : QAccessibleWidget(button, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return Button()->IsClickable() ? QAccessible::Button
                                   : QAccessible::StaticText;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Button()->IsClickable() ? AccessibleCaption(Button()->Caption())
                                     : Button()->Caption();
    }
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    if (!Button()->IsClickable() || !Button()->isEnabled()) return {};
    return {pressAction()};
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && Button()->IsClickable()) {
      Button()->ClickLater();
    }
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action != pressAction()) return {};
    return {QStringLiteral("Space"), QStringLiteral("Return")};
  }

 private:
  LabelButton* Button() const { return static_cast<LabelButton*>(widget()); }
};

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  // Asked once per class from the object's own upwards: answer only for its
  // own class, so a role set here wins over that of a base class.
  if (class_name != QLatin1String(object->metaObject()->className())) {
    return nullptr;
  }
  if (auto* button = qobject_cast<LabelButton*>(object)) {
    return new AccessibleLabelButton(button);
  }
  const QVariant role = object->property(kRoleProperty);
  if (role.isValid()) {
    return new QAccessibleWidget(widget,
                                 static_cast<QAccessible::Role>(role.toInt()));
  }
  return nullptr;
}

}  // namespace

QString AccessibleCaption(const QString& caption) {
  QString name;
  for (const QChar c : caption) {
    if (!c.isSpace()) name += c;
  }
  return name;
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
  InstallAccessibleInterfaces();
  widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace tessaly::toolkit
