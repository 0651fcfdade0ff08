// A form: a top-level window with load, query-unload and unload handling.
#ifndef TESSALY_TOOLKIT_FORM_H_
#define TESSALY_TOOLKIT_FORM_H_

#include <QWidget>

namespace tessaly::toolkit {

class Form : public QWidget {
  Q_OBJECT

 public:
  explicit Form(const QString& name);

  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  QString Caption() const { return windowTitle(); }

  // No resizing, no minimise and maximise buttons; the close box stays.
  void SetFixedSingleFrame();
  // Client area size in twips; a fixed-frame form keeps exactly this size.
  void SetClientSizeTwips(int width, int height);
  // Puts the client area at a design place on the screen, in twips.
  void SetDesignPlacementTwips(int left, int top);

 protected:
  friend class FormRegistry;

  virtual void Form_Load() {}
  virtual void Form_QueryUnload() {}
  virtual void Form_Unload() {}

  void closeEvent(QCloseEvent* event) override;

 private:
  void RunUnloadHandlers();

  bool fixed_frame_ = false;
  bool unloading_ = false;
  bool ending_ = false;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_FORM_H_
