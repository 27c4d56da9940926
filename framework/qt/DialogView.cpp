#include "framework/qt/DialogView.h"

#include <algorithm>
#include <exception>

#include <QApplication>
#include <QTimer>

#include "framework/qt/ControlViewMaker.h"
#include "framework/qt/QtText.h"
#include "framework/ui/CDialog.h"
#include "framework/ui/Presenter.h"

namespace afx::qt {

namespace {

// The dialogs on screen, outermost first: modal dialogs nest.
std::vector<DialogView*>& OpenViews() {
  static std::vector<DialogView*> views;
  return views;
}

}  // namespace

DialogView::DialogView(CDialog& dialog, QWidget* parent)
    : dialog_(dialog), font_(dialog.GetTemplate() ? dialog.GetTemplate()->pointSize : 0) {
  window_ = std::make_unique<DialogWindow>(*this, parent);
  Build();
  OpenViews().push_back(this);
}

DialogView::~DialogView() {
  auto& views = OpenViews();
  views.erase(std::remove(views.begin(), views.end(), this), views.end());
  QObject::disconnect(focus_connection_);
  // The peers outlive the window: the program may still change them after the dialog ended.
  for (const auto& peer : dialog_.Peers())
    peer->view = nullptr;
  if (WindowPeer* own = dialog_.GetPeer(); own && own->view == this) own->view = nullptr;
  window_.reset();
  controls_.clear();
}

void DialogView::Build() {
  window_->setObjectName(QStringLiteral("dialog-%1").arg(dialog_.GetTemplateId()));
  window_->setFont(font_.Font());
  // The dialog's size as it laid itself out, which its template gave first.
  if (const WindowPeer* own = dialog_.GetPeer()) {
    window_->setFixedSize(font_.XToPixels(own->w), font_.YToPixels(own->h));
  }
  for (const auto& peer : dialog_.Peers()) {
    auto view = MakeControlView(*this, *peer, window_.get());
    QWidget* widget = view->Widget();
    widget->setObjectName(QStringLiteral("control-%1").arg(peer->id));
    widget->setGeometry(view->Geometry(font_.ToPixels(peer->x, peer->y, peer->w, peer->h)));
    ids_.insert(widget, peer->id);
    peer->view = view.get();
    controls_.push_back(std::move(view));
  }
  // Shown once all widgets exist, so that the focus can go to any of them.
  for (const auto& peer : dialog_.Peers())
    peer->Changed();
  if (WindowPeer* own = dialog_.GetPeer()) {
    own->view = this;
    Sync(*own);
  }
  focus_connection_ = QObject::connect(qApp, &QApplication::focusChanged, window_.get(),
                                       [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

void DialogView::Sync(WindowPeer& peer) {
  window_->setWindowTitle(ToQString(peer.text));
  const QSize size(font_.XToPixels(peer.w), font_.YToPixels(peer.h));
  if (window_->size() != size) window_->setFixedSize(size);
}

QRect DialogView::ToPixels(int x, int y, int w, int h) const {
  return font_.ToPixels(x, y, w, h);
}

void DialogView::Run(const std::function<void(CDialog&)>& shown) {
  running_ = true;
  // Messages posted before the window was shown run first, as soon as the loop runs.
  QTimer::singleShot(0, window_.get(), [this, shown] {
    // A dialog opens with its focus marked, as a Windows dialog marks the control that has it:
    // the styles draw the mark only once the keyboard has moved the focus, and showing a
    // window forgets that it had.
    window_->setAttribute(Qt::WA_KeyboardFocusChange);
    window_->update();
    DispatchPosted();
    if (dialog_.IsOpen() && shown) shown(dialog_);
    CloseIfEnded();
  });
  window_->exec();
  running_ = false;
}

void DialogView::UserInput(const std::function<void()>& action) {
  if (Syncing() || !dialog_.IsOpen()) return;
  Guarded(action);
  DispatchPosted();
  CloseIfEnded();
}

// Nothing may be thrown through Qt's event loop: a failure in a handler is reported and the
// dialog goes on, as the framework reports an exception that a message handler let out.
void DialogView::Guarded(const std::function<void()>& action) {
  ++busy_;
  try {
    action();
  } catch (const std::exception& e) {
    GetPresenter().ShowMessageBox({&dialog_, CString(e.what()), "drawreg", MB_OK | MB_ICONERROR});
  } catch (...) {
    GetPresenter().ShowMessageBox(
        {&dialog_, "An unexpected error occurred.", "drawreg", MB_OK | MB_ICONERROR});
  }
  --busy_;
}

void DialogView::Posted() {
  QTimer::singleShot(0, window_.get(), [this] {
    DispatchPosted();
    CloseIfEnded();
  });
}

// Input still running handles the posted messages when it ends.
void DialogView::DispatchPosted() {
  if (busy_ > 0 || !dialog_.IsOpen()) return;
  Guarded([this] { dialog_.DispatchPosted(); });
}

void DialogView::CloseIfEnded() {
  if (running_ && !dialog_.IsOpen() && window_->isVisible()) {
    window_->done(dialog_.GetModalResult());
  }
}

void DialogView::ShowFocus() {
  const int id = dialog_.GetFocusId();
  if (id <= 0 || id == shown_focus_id_) return;
  for (const auto& control : controls_) {
    if (control->Id() != id) continue;
    QWidget* widget = control->Widget();
    // A control that cannot take the focus yet gets it once it can.
    if (!widget->isEnabled() || widget->isHidden() || widget->focusPolicy() == Qt::NoFocus) return;
    shown_focus_id_ = id;
    SyncScope scope(*this);
    if (!widget->hasFocus()) widget->setFocus(Qt::OtherFocusReason);
    control->FocusArrived();
    return;
  }
}

void DialogView::OnFocusChanged(QWidget* now) {
  if (Syncing()) return;
  const int id = ControlIdOf(now);
  if (id <= 0) return;
  shown_focus_id_ = id;
  if (id == dialog_.GetFocusId()) return;
  UserInput([this, id] { dialog_.SetFocusFromUser(id); });
}

// The control a widget belongs to: a combo box's edit field or a list's viewport counts as the
// control itself. Widgets in other windows (message boxes, popups) belong to none.
int DialogView::ControlIdOf(QWidget* widget) const {
  for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
    const auto found = ids_.constFind(w);
    if (found != ids_.constEnd()) return found.value();
  }
  return 0;
}

DialogView* DialogView::Find(const ControlOwner* dialog) {
  for (DialogView* view : OpenViews()) {
    if (&view->Dialog() == dialog) return view;
  }
  return nullptr;
}

DialogView* DialogView::Innermost() {
  return OpenViews().empty() ? nullptr : OpenViews().back();
}

}  // namespace afx::qt
