#include "drill/TfrmPage.h"

TfrmPage::TfrmPage(QWidget* parent) : QWidget(parent) {
    setObjectName("frmPage");
    setWindowTitle(QStringLiteral("　　連立方程式"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void TfrmPage::scrollToTop() {}
