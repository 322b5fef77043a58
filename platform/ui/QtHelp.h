#pragma once
// The help layer: a help window on the program's own HTML help document
// "Gridora.hlp", looked up in the current directory as the program names it
// without a folder.

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QPushButton;

constexpr const char* kHelpFileName = "Gridora.hlp";
constexpr int kHelpContext = 1;   // open the topic whose anchor is the given number
constexpr int kHelpContents = 3;  // open the contents
constexpr int kHelpContentsData = 224;
constexpr int kHelpOnePointTopic = 230;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows `file`, scrolled to `anchor` (the top when empty).
    void showDocument(const QString& file, const QString& anchor);

    QTextBrowser* browser = nullptr;
    QPushButton* btnContents = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnClose = nullptr;
    QPointer<QWidget> home;  // the window it was first opened for

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend bool showHelpAt(QWidget* owner, const QString& anchor);
    // Makes the help a window of `owner`, keeping it open if it was.
    void moveTo(QWidget* owner);

    QString shownFile;
};

// Carries out a help command on "Gridora.hlp" in the current directory:
// kHelpContents opens the contents, kHelpContext the topic anchored `data`.
// A missing document is reported by message naming the file. The window is
// made once, as a window of `owner`. Returns whether the help window shows.
bool showHelp(QWidget* owner, int command, int data);
// The help window, once a command has made it; null before.
HelpWindow* helpWindow();

// The section of the help about the window that holds `widget`: the anchor
// of the nearest enclosing window (or the start page) known by its object
// name, "contents" when none is.
QString helpSectionFor(const QWidget* widget);
// Opens the help at `anchor` as a window of `owner`: a modal owner does not
// block it. When the owner closes while the help is open, the help stays
// open as a window of the modal window below, or of the window it was first
// opened for. Returns whether the help window shows.
bool showHelpAt(QWidget* owner, const QString& anchor);
// F1 in any window of the program opens the help at that window's section.
void installHelpKey();
