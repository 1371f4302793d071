#include "FakeForm1.h"

namespace FakeForm1 {

std::array<std::u16string, Form1::RowCount> Titles;
std::array<std::u16string, Form1::RowCount> Captions;
bool Visible = true;
std::vector<std::string> CallLog;

void Reset() {
    for (int row = 1; row <= Form1::RowCount; ++row) {
        Titles.at(static_cast<std::size_t>(row - 1)).clear();
        Captions.at(static_cast<std::size_t>(row - 1)) = Form1::HideCaption(row);
    }
    Visible = true;
    CallLog.clear();
}

} // namespace FakeForm1

namespace Form1 {

namespace {

// at() throws for a row outside 1 to 8, so a wrong row number fails the test that made it.
std::size_t RowIndex(int row) {
    return static_cast<std::size_t>(row - 1);
}

void Log(const char* function, int row) {
    FakeForm1::CallLog.push_back(std::string(function) + "(" + std::to_string(row) + ")");
}

} // namespace

std::u16string GetTitleText(int row) {
    Log("GetTitleText", row);
    return FakeForm1::Titles.at(RowIndex(row));
}

std::u16string GetCommandCaption(int row) {
    Log("GetCommandCaption", row);
    return FakeForm1::Captions.at(RowIndex(row));
}

void SetCommandCaption(int row, const std::u16string& caption) {
    Log("SetCommandCaption", row);
    FakeForm1::Captions.at(RowIndex(row)) = caption;
}

void Hide() {
    FakeForm1::CallLog.emplace_back("Hide()");
    FakeForm1::Visible = false;
}

void Show() {
    FakeForm1::CallLog.emplace_back("Show()");
    FakeForm1::Visible = true;
}

} // namespace Form1
