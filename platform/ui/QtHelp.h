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

  private:
    QString shownFile;
};

// Carries out a help command on "Gridora.hlp" in the current directory:
// kHelpContents opens the contents, kHelpContext the topic anchored `data`.
// A missing document is reported by message naming the file. The window is
// made once, as a window of `owner`. Returns whether the help window shows.
bool showHelp(QWidget* owner, int command, int data);
// The help window, once a command has made it; null before.
HelpWindow* helpWindow();
