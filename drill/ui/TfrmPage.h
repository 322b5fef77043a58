#pragma once
// The worksheet: a frameless MDI child of the frame on whose pictures the
// steps of the drill are drawn. Entering the drill brings it to the front.
//
// The pictures Image1 … Image<imageCount> sit on three pages of two columns
// in a scrolling area, laid out by the drill model for the screen size. Each
// paints the drill's description of what has been drawn on it; the mouse over
// a picture goes to the drill's row picking. The window keeps no state of the
// drill: after every change of the model it reads the model again
// (syncFromModel).

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "picture/Picture.h"

class Drill;

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;

// One picture of the worksheet: a step picture ("Image<k>") or a picture of
// the answer group. It shows its description as an image, rendered again
// only when the description's revision changes.
class TfrmPageImage : public QWidget {
    Q_OBJECT
  public:
    // `number` is the picture's number k for Image k, 0 for the pictures of
    // the answer group; `source` gives the description to show.
    TfrmPageImage(int number, std::function<const Picture*()> source, QSize size, QWidget* parent);

    int number() const { return number_; }
    // A step picture passes the mouse over it to `drill`'s row picking.
    void passMouseTo(Drill* drill) { drill_ = drill; }
    // Renders the description again when it has changed; returns whether it had.
    bool sync();
    // What the picture shows now.
    const QImage& image() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int number_;
    Drill* drill_ = nullptr;
    std::function<const Picture*()> source_;
    mutable QImage image_;
    mutable bool stale_ = false;  // the description changed since image_ was drawn
    const Picture* shown_ = nullptr;
    unsigned revision_ = 0;
    std::size_t itemCount_ = 0;
    bool rendered_ = false;
};

class TfrmPage : public QWidget {
    Q_OBJECT
  public:
    // The worksheet of `drill`, laid out for the screen and a drill panel of
    // `panelWidth` pixels on its left.
    TfrmPage(Drill& drill, int panelWidth, QWidget* parent = nullptr);

    // The drill whose worksheet this is.
    Drill& drill() const { return drill_; }

    // Scrolls the worksheet back to its first page.
    void scrollToTop();
    // Shows what the drill model holds now: the caption, the pictures that
    // changed, the answer group, the label, the scroll position it asked for.
    void syncFromModel();

    // Image k (1 … imageCount), or nullptr.
    TfrmPageImage* imageWidget(int k) const;
    // Where Image k is on the screen; empty when there is no such picture.
    QRect imageScreenRect(int k) const;

    // The right mouse button over the current step picture: the step listing
    // window installs itself here. Unset, the click does nothing.
    std::function<void(int step)> openStepListing;

    QLabel* lblCaption = nullptr;  // the worksheet's caption, as a title bar shows it
    QScrollArea* sbxSheet = nullptr;
    QWidget* pnlSheet = nullptr;         // the three pages inside the scrolling area
    std::vector<TfrmPageImage*> images;  // images[k] is Image k; entry 0 unused
    QLineEdit* edtPage2 = nullptr;
    QLineEdit* edtPage3 = nullptr;
    QLabel* lblMess = nullptr;
    QGroupBox* grbKai = nullptr;
    TfrmPageImage* imgBOXX = nullptr;
    TfrmPageImage* imgBOXY = nullptr;
    QLabel* lblStarX = nullptr;
    QLabel* lblStarY = nullptr;
    QLabel* imgKakkoL = nullptr;
    QLabel* imgKakkoR = nullptr;
    QLabel* imgKakkoSS = nullptr;
    QLabel* imgKakkoMS = nullptr;
    QLabel* imgKakkoLS = nullptr;
    QLabel* imgKotaeKakko = nullptr;
    QListWidget* lstExt = nullptr;
    QListWidget* lstDump = nullptr;
    QListWidget* lstQues = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Drill& drill_;
    void buildPages();
    void buildAnswerGroup();
    void buildHolders();
    QLabel* holder(const char* name, Shape which);
    QListWidget* hiddenList(const char* name);
    int stepSeen_ = -1;  // the step last brought into view
    unsigned scrollRequestsSeen_ = 0;
};

extern QPointer<TfrmPage> frmPage;
