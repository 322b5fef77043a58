#pragma once
// The glyphs of the drill's buttons, drawn with QPainter at the size asked
// for, so they stay sharp on any screen. (The brackets and braces of the
// pictures are the picture painter's shapes.)

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

enum class Glyph {
    Divide,      // ÷
    Subtract,    // −
    Add,         // +
    Multiply,    // ×
    Run,         // 実行: a forward triangle
    Correct,     // 訂正: a turning-back arrow
    Clear,       // CL: an eraser stroke
    ScrollUp,    // the worksheet moves on: arrow down the page
    ScrollDown,  // the worksheet moves back: arrow up the page
    Close,       // 閉じる: an open door arrow
    NextQ,       // 次の問題, first blinking phase: a question mark in a circle
    NextR,       // 次の問題, second blinking phase: a red arrow in a circle
    Help,        // ヘルプ
    End,         // 終了
    Matrix,      // 行列の学習
    Equations,   // 連立方程式
    Ok,          // OK: a green check mark
};

QPixmap glyphPixmap(Glyph glyph, QSize size, const QColor& ink = QColor(0, 0, 0));
QIcon glyphIcon(Glyph glyph, QSize size, const QColor& ink = QColor(0, 0, 0));
