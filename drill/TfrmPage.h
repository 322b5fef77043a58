#pragma once
// The worksheet: a frameless MDI child of the frame on whose pictures the
// steps of the drill are drawn. Entering the drill brings it to the front.

#include <QPointer>
#include <QWidget>

class TfrmPage : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmPage(QWidget* parent = nullptr);
    // Scrolls the worksheet back to its first page.
    void scrollToTop();
};

extern QPointer<TfrmPage> frmPage;
