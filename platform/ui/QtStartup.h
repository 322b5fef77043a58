#pragma once
// What a Japanese Windows desktop gives the program for free: the Japanese
// font under its Windows name and Qt's own texts in Japanese.

class QApplication;

// The family name the program's texts ask for; mapped to IPA P Gothic.
constexpr const char* kKanjiFontFamily = "ＭＳ Ｐゴシック";

// Maps "ＭＳ Ｐゴシック" and "MS PGothic" to IPA P Gothic, makes it the
// application font, and loads Qt's Japanese translation (standard buttons,
// file and print dialogs). Call once, right after the QApplication is made.
void setUpJapaneseDesktop(QApplication& app);
