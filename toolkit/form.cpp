#include "toolkit/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "toolkit/units.h"

namespace tessaly::toolkit {

Form::Form(const QString& name) : QWidget(nullptr) {
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose);
}

void Form::SetFixedSingleFrame() {
  fixed_frame_ = true;
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(size());
}

void Form::SetClientSizeTwips(int width, int height) {
  const QSize client(TwipsToPixels(width), TwipsToPixels(height));
  if (fixed_frame_) {
    setFixedSize(client);
  } else {
    resize(client);
  }
}

void Form::SetDesignPlacementTwips(int left, int top) {
  // A window's move() places its frame; setGeometry() places the client
  // area, which is what the design point gives, whatever frame the window
  // manager draws around it.
  setGeometry(QRect(QPoint(TwipsToPixels(left), TwipsToPixels(top)), size()));
}

void Form::closeEvent(QCloseEvent* event) {
  if (!ending_) RunUnloadHandlers();
  event->accept();
}

void Form::RunUnloadHandlers() {
  if (unloading_) return;
  unloading_ = true;
  Form_QueryUnload();
  Form_Unload();
}

}  // namespace tessaly::toolkit
