#include "framework/qt/StaticView.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include <algorithm>

#include "framework/qt/QtText.h"

namespace afx::qt {

namespace {

constexpr DWORD kStaticTypeMask = 0x1F;

Qt::Alignment LabelAlignment(DWORD style) {
  Qt::Alignment align = Qt::AlignLeft;
  if ((style & kStaticTypeMask) == SS_CENTER) align = Qt::AlignHCenter;
  if ((style & kStaticTypeMask) == SS_RIGHT) align = Qt::AlignRight;
  return align | ((style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop);
}

void SetFrame(QFrame* frame, DWORD style) {
  if (style & SS_SUNKEN) {
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  } else if (style & WS_BORDER) {
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  }
}

}  // namespace

StaticView::StaticView(ShownDialog& dialog, StaticPeer& peer, QWidget* parent)
    : ControlView(dialog, peer), peer_(peer) {
  if ((peer.style & kStaticTypeMask) == SS_ETCHEDHORZ) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    SetWidget(line);
    return;
  }
  label_ = new QLabel(parent);
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(LabelAlignment(peer.style));
  SetFrame(label_, peer.style);
  SetWidget(label_);
}

void StaticView::SyncContent() {
  if (!label_) return;
  QString text = WithoutMnemonics(ToDisplayText(peer_.text));
  const QFontMetrics metrics(label_->font());
  const int width = label_->contentsRect().width();
  if (peer_.style & SS_ENDELLIPSIS) {
    text = metrics.elidedText(text, Qt::ElideRight, width);
  } else {
    // Text wraps as in Windows when the control has room for a second line.
    label_->setWordWrap(label_->contentsRect().height() >= 2 * metrics.height());
  }
  if (label_->text() != text) label_->setText(text);
  FitCaption(metrics.horizontalAdvance(text));
}

// The Gothic font that stands in for the dialogs' own runs a little wider than the font the
// layout was made for. A caption without a frame grows into the free space beside it
// (rightwards, or leftwards when right-aligned) rather than losing its last characters.
void StaticView::FitCaption(int text_width) {
  if (peer_.style & (WS_BORDER | SS_SUNKEN | SS_ENDELLIPSIS)) return;
  if ((peer_.style & kStaticTypeMask) == SS_CENTER || label_->wordWrap()) return;
  const int extra = text_width - label_->contentsRect().width();
  if (extra <= 0) return;
  QRect rect = label_->geometry();
  if ((peer_.style & kStaticTypeMask) == SS_RIGHT) {
    rect.setLeft(std::max(0, rect.left() - extra));
  } else {
    rect.setRight(rect.right() + extra);
  }
  label_->setGeometry(rect);
}

}  // namespace afx::qt
