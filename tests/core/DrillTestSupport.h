#pragma once
// Shared set-up for the drill model's tests: a fresh drill on fresh state on
// a 1024 x 768 screen, a scripted UI port, questions filled straight into the unit tables,
// a temporary record folder, and short ways to press the drill's buttons.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "arith/Equation.h"
#include "arith/NumberText.h"
#include "drill/Drill.h"
#include "drill/Keys.h"
#include "drill/OwnDrill.h"
#include "platform/Paths.h"
#include "questions/QuestionBank.h"
#include "records/RecordFile.h"
#include "tests/support/ScriptedUi.h"

// The scripted port comes before the drill that talks through it.
struct ScriptedUiFirst {
    ScriptedUi ui;
};

class DrillTest : public ::testing::Test, protected ScriptedUiFirst, protected OwnDrill {
  protected:
    // A fresh drill on fresh state for every test. The state carries the
    // names of the program-wide instances, so a test reads as the program does.
    DrillTest() : OwnDrill(ui, computeWorksheetLayout(1024, 768, 200)) {}

    std::filesystem::path recDir;

    void SetUp() override {
        numberState = {};
        drill.setupWorksheet(1024, 768, 200);
        recDir = std::filesystem::temp_directory_path() /
                 ("drilltest-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(recDir);
        std::filesystem::create_directories(recDir);
        paths.recFolder = recDir.string() + "/";
    }

    void TearDown() override { std::filesystem::remove_all(recDir); }

    // The record file of the drill's record folder.
    std::string recordPath() const { return recordFilePath(paths); }

    // Fills unit `unit` with the given question lines.
    void setUnit(int unit, const std::string& name, const std::vector<std::string>& lines) {
        questionBank.unitName[unit] = name;
        questionBank.quesCount[unit] = static_cast<int>(lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k)
            questionBank.quesLine[unit][k + 1] = lines[k];
    }

    // Sets up `line` as the only question of unit 1 and starts it.
    bool start(const std::string& line) {
        setUnit(1, "２元１次連立方程式", {line});
        return drill.startQuestion(true);
    }

    // Presses the drill's buttons from a short script, separated by spaces:
    // "r1" … "r4" row buttons, "+" "-" "*" "/" "swap" operators, "m" the minus
    // button, "CL", "bun" 分の, "." and digits (each digit typed), "run" 実行,
    // "esc" 訂正.
    void press(const std::string& script) {
        std::istringstream in(script);
        std::string t;
        while (in >> t) {
            if (t.size() == 2 && t[0] == 'r' && t[1] >= '1' && t[1] <= '4')
                drill.btnGyouClick(t[1] - '0');
            else if (t == "+")
                drill.pressOperator(kOpAdd);
            else if (t == "-")
                drill.pressOperator(kOpSubtract);
            else if (t == "*")
                drill.pressOperator(kOpMultiply);
            else if (t == "/")
                drill.pressOperator(kOpDivide);
            else if (t == "swap")
                drill.pressOperator(kOpSwap);
            else if (t == "m")
                drill.btnMinusClick();
            else if (t == "CL")
                drill.typeNumber("CL");
            else if (t == "bun")
                drill.typeNumber("分の");
            else if (t == "run")
                drill.btnJikkouClick();
            else if (t == "esc")
                drill.correctEntry(false);
            else
                for (char c : t)
                    drill.typeNumber(std::string(1, c));
        }
    }

    // The coefficients and constant of every row of `step`, as text.
    std::vector<std::vector<std::string>> matrixOf(int step) {
        std::vector<std::vector<std::string>> m;
        const int n = equationList.unknownCount;
        for (int r = 0; r < n; ++r) {
            const EquationRow& row = equationList.rows[equationList.index(step, r)];
            std::vector<std::string> cells;
            for (int j = 0; j < n; ++j)
                cells.push_back(formatFraction(row.terms[j]));
            cells.push_back(formatFraction(row.terms[n + 1]));
            m.push_back(cells);
        }
        return m;
    }

    const Picture& pic(int k) {
        static const Picture none;
        const Picture* p = worksheetPictures.image(k);
        return p ? *p : none;
    }

    // The texts of the text lines of a picture, as "k:text".
    static std::vector<std::string> textLines(const Picture& p) {
        std::vector<std::string> out;
        for (const auto* t : p.all<TextLineItem>())
            out.push_back(std::to_string(t->line) + ":" + t->text);
        return out;
    }

    std::string opLabelDrawn(int k) {
        auto labels = pic(k).all<OpLabelItem>();
        return labels.empty() ? std::string("<none>") : labels.back()->text;
    }
};
