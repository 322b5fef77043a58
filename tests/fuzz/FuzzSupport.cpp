#include "tests/fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drill/Drill.h"
#include "platform/Paths.h"

void fuzzFailure(const char* file, int line, const std::string& what) {
    std::fprintf(stderr, "\nproperty failed at %s:%d: %s\n", file, line, what.c_str());
    std::abort();
}

void FuzzUi::showMessage(const std::string& text) {
    ++messages;
    lastMessage = text;
}

bool FuzzUi::askYesNo(const std::string&, const std::string&) {
    yes_ = !yes_;
    return yes_;
}

Answer FuzzUi::askYesNoCancel(const std::string&, const std::string&) {
    yes_ = !yes_;
    return yes_ ? Answer::Yes : Answer::No;
}

Answer FuzzUi::askAbortRetryIgnore(const std::string&, const std::string&) {
    return Answer::Ignore;
}

int FuzzUi::chooseSpecialSolution() {
    infinitely_ = !infinitely_;
    return infinitely_ ? kChoiceInfinitely : kChoiceNoSolution;
}

void FuzzUi::terminate(int) {
    terminated = true;
}

const std::string& scratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                            ? fs::path("/dev/shm")
                            : fs::temp_directory_path();
        fs::path dir = base / ("tabulon-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(dir, ec);
        fs::create_directories(dir);
        // Removed when the fuzzer ends normally.
        static const fs::path removeAtExit = dir;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(removeAtExit, ignored);
        });
        return dir.string() + "/";
    }();
    return folder;
}

void writeRawFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good(), "cannot write the scratch file " + path);
}

std::string readRawFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

std::string show(const Q& q) {
    return q.get_str();
}

namespace {

// A row 0 … 0 | c with c ≠ 0 in a reduced form: the system has no solution.
bool inconsistent(const QMatrix& reduced) {
    for (const auto& row : reduced) {
        bool zeros = true;
        for (std::size_t k = 0; k + 1 < row.size(); ++k)
            zeros = zeros && row[k] == 0;
        if (zeros && !row.empty() && row.back() != 0)
            return true;
    }
    return false;
}

}  // namespace

bool sameSolutionSet(const QMatrix& a, const QMatrix& b) {
    const QMatrix ra = reducedEchelon(a);
    const QMatrix rb = reducedEchelon(b);
    const bool noneA = inconsistent(ra);
    const bool noneB = inconsistent(rb);
    if (noneA || noneB)
        return noneA && noneB;
    return ra == rb;
}

FuzzDrill::FuzzDrill(UiPort& port) : OwnDrill(port, computeWorksheetLayout(1024, 768, 200)) {
    paths.recFolder = scratchFolder();
}
