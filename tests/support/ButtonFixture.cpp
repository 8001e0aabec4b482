#include "tests/support/ButtonFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {

void ButtonTest::SetUp() {
    ConfigureForm();
    button = &AddButton(form, u"Zorvane1", buttonBounds);
    site = form.Find(u"Zorvane1");
    ASSERT_NE(site, nullptr);
}

void ButtonTest::ResizeButton(int width, int height) {
    const gdi::RECT b = site->bounds();
    buttonBounds = {b.left, b.top, b.left + width, b.top + height};
    site->SetBounds(buttonBounds);
}

std::vector<std::string> ButtonTest::LinesSince(std::size_t mark) const {
    std::vector<std::string> lines;
    const auto& log = form.log();
    for (std::size_t i = mark; i < log.size(); ++i)
        lines.push_back(headless::HeadlessForm::FormatLogEntry(log[i]));
    return lines;
}

std::vector<std::string> ButtonTest::LinesSince(std::size_t mark, const std::string& kind) const {
    std::vector<std::string> lines;
    for (const std::string& line : LinesSince(mark)) {
        // "<control> <kind> …"
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        const std::size_t end = line.find(' ', space + 1);
        if (line.compare(space + 1, end == std::string::npos ? std::string::npos : end - space - 1,
                         kind) == 0)
            lines.push_back(line);
    }
    return lines;
}

std::vector<headless::LogEntry> ButtonTest::EntriesSince(std::size_t mark) const {
    const auto& log = form.log();
    if (mark >= log.size()) return {};
    return std::vector<headless::LogEntry>(log.begin() + static_cast<std::ptrdiff_t>(mark), log.end());
}

int ButtonTest::RepaintsSince(std::size_t mark) const {
    int count = 0;
    const auto& log = form.log();
    for (std::size_t i = mark; i < log.size(); ++i)
        if (log[i].kind == headless::LogEntry::Kind::Repaint) ++count;
    return count;
}

void ButtonTest::PointerAt(int x, int y) {
    const gdi::RECT b = site->bounds();
    form.SetPointer(gdi::POINT{b.left + x, b.top + y});
}

void ButtonTest::PointerAway() { form.SetPointer(std::nullopt); }

void ButtonTest::MouseMove(int x, int y, std::int16_t mouseButton, std::int16_t shift) {
    PointerAt(x, y);
    if (!site->Enabled()) return;
    button->MouseMove(mouseButton, shift, static_cast<float>(x), static_cast<float>(y));
}

void ButtonTest::MouseDown(int x, int y, std::int16_t mouseButton, std::int16_t shift) {
    PointerAt(x, y);
    if (!site->Enabled()) return;
    button->MouseDown(mouseButton, shift, static_cast<float>(x), static_cast<float>(y));
}

void ButtonTest::MouseUp(int x, int y, std::int16_t mouseButton, std::int16_t shift) {
    PointerAt(x, y);
    if (!site->Enabled()) return;
    button->MouseUp(mouseButton, shift, static_cast<float>(x), static_cast<float>(y));
}

void ButtonTest::ClickAt(int x, int y) {
    MouseDown(x, y);
    MouseUp(x, y);
}

void ButtonTest::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (site->Enabled()) button->KeyDown(keyCode, shift);
}

void ButtonTest::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (site->Enabled()) button->KeyUp(keyCode, shift);
}

void ButtonTest::Focus() { form.SetFocus(site); }

}  // namespace vemmix::test
