#pragma once
// The shell's own pictures: the title picture of the start window, the glyphs
// of its buttons and the program icon.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The place the title picture shows, for the panel under it.
inline const QString kTitlePlaceName = QStringLiteral("逆さ富士　河口湖（山梨県）");

// Mount Fuji over a still lake at dusk, mirrored in the water, with an
// identity matrix written into the evening sky; painted at (0, 0) in `size`.
void paintTitlePicture(QPainter& p, QSize size);

// Button glyphs, drawn at 32 × 32.
QIcon matrixGlyph();     // 行列の学習: a bracketed matrix
QIcon equationsGlyph();  // 連立方程式: a brace over two equations
QIcon helpGlyph();       // ヘルプ: a question mark
QIcon endGlyph();        // 終了: the power symbol
QIcon closeGlyph();      // 閉じる: back to the start window

// The program icon: a teal tile with a bracketed matrix.
QIcon programIcon();
QPixmap programIconPixmap(int size);
