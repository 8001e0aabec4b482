#include "InputScript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <vemmix/Dispatch.h>
#include <vemmix/headless/HeadlessContainer.h>

#include "QtTestSupport.h"

namespace vemmix::qt::test {

namespace {

// ---- reading ------------------------------------------------------------------------

// Whitespace-separated words; "…" keeps spaces inside a word.
QStringList Words(const QString& line) {
    QStringList words;
    static const QRegularExpression word(QStringLiteral(R"((\S*"[^"]*"\S*|\S+))"));
    for (const auto& match : word.globalMatch(line)) {
        QString w = match.captured(1);
        w.remove(u'"');
        words.append(w);
    }
    return words;
}

bool ToInts(const QStringList& words, int from, int count, int* out) {
    if (words.size() < from + count) return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        out[i] = words[from + i].toInt(&ok);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::optional<InputScript> InputScript::Read(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + QStringLiteral(": cannot be read");
        return std::nullopt;
    }
    InputScript script;
    bool shown = false;
    int number = 0;
    const auto fail = [&](const QString& what) {
        *error = QStringLiteral("%1: line %2: %3").arg(path).arg(number).arg(what);
        return std::nullopt;
    };
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList words = Words(line);
        const QString& verb = words.front();
        int n[4];
        if (verb == u"form") {
            if (!ToInts(words, 1, 2, n)) return fail(QStringLiteral("form W H"));
            script.formSize = QSize(n[0], n[1]);
        } else if (verb == u"button") {
            if (words.size() < 6 || !ToInts(words, 2, 4, n)) return fail(QStringLiteral("button NAME X Y W H"));
            ScriptButton button{words[1], QRect(n[0], n[1], n[2], n[3]), {}};
            for (const QString& setting : words.mid(6)) {
                const qsizetype equals = setting.indexOf(u'=');
                if (equals <= 0) return fail(QStringLiteral("a property is Key=Value"));
                button.properties.emplace_back(setting.left(equals), setting.mid(equals + 1));
            }
            script.buttons.push_back(button);
        } else if (verb == u"tooltip") {
            if (words.size() < 3) return fail(QStringLiteral("tooltip NAME TEXT"));
            script.tooltips.emplace_back(words[1], line.section(u' ', 2).trimmed());
        } else if (verb == u"show") {
            shown = true;
        } else if (shown) {
            script.steps.push_back(ScriptStep{number, verb, words.mid(1)});
        } else {
            return fail(QStringLiteral("input before show"));
        }
    }
    return script;
}

namespace {

// ---- what a step means ------------------------------------------------------------------

struct KeySpec {
    Qt::Key key;
    std::int16_t code;  // virtual-key code
    QString text;       // what it types
};

std::optional<KeySpec> KeyNamed(const QString& name, bool shift) {
    static const std::map<QString, KeySpec> named = {
        {QStringLiteral("Enter"), {Qt::Key_Return, 13, QStringLiteral("\r")}},
        {QStringLiteral("Escape"), {Qt::Key_Escape, 27, QStringLiteral("\x1b")}},
        {QStringLiteral("Space"), {Qt::Key_Space, 32, QStringLiteral(" ")}},
        {QStringLiteral("Tab"), {Qt::Key_Tab, 9, QStringLiteral("\t")}},
        {QStringLiteral("Left"), {Qt::Key_Left, 37, {}}},
        {QStringLiteral("Up"), {Qt::Key_Up, 38, {}}},
        {QStringLiteral("Right"), {Qt::Key_Right, 39, {}}},
        {QStringLiteral("Down"), {Qt::Key_Down, 40, {}}},
    };
    if (const auto it = named.find(name); it != named.end()) return it->second;
    if (name.size() >= 2 && name[0] == u'F') {
        const int f = name.mid(1).toInt();
        if (f >= 1 && f <= 24) return KeySpec{Qt::Key(Qt::Key_F1 + f - 1), std::int16_t(111 + f), {}};
    }
    if (name.size() == 1 && (name[0].isDigit() || (name[0] >= u'A' && name[0] <= u'Z'))) {
        const char16_t c = name[0].unicode();
        return KeySpec{Qt::Key(c), std::int16_t(c), shift || name[0].isDigit() ? name : name.toLower()};
    }
    return std::nullopt;
}

Qt::KeyboardModifiers Modifiers(const QStringList& words) {
    Qt::KeyboardModifiers modifiers;
    for (const QString& w : words) {
        if (w == u"shift") modifiers |= Qt::ShiftModifier;
        if (w == u"ctrl") modifiers |= Qt::ControlModifier;
        if (w == u"alt") modifiers |= Qt::AltModifier;
    }
    return modifiers;
}

std::int16_t Mask(Qt::KeyboardModifiers modifiers) {
    return std::int16_t(((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                        ((modifiers & Qt::AltModifier) ? 4 : 0));
}

std::pair<Qt::MouseButton, std::int16_t> ButtonNamed(const QString& name) {
    if (name == u"right") return {Qt::RightButton, 2};
    if (name == u"middle") return {Qt::MiddleButton, 4};
    return {Qt::LeftButton, 1};
}

QStringList Collapsed(const std::vector<std::string>& lines) {
    QStringList collapsed;
    for (const std::string& line : lines) {
        const QString l = QString::fromStdString(line);
        if (!collapsed.isEmpty() && collapsed.last() == l && l.endsWith(u"event MouseOver")) continue;
        collapsed.append(l);
    }
    return collapsed;
}

// ---- the headless run ---------------------------------------------------------------------

class HeadlessRun {
public:
    explicit HeadlessRun(const InputScript& script) {
        for (const ScriptButton& b : script.buttons) {
            const QRect g = b.geometry;
            headless::HeadlessSite* site = m_Form.AddControl(
                u"Vemmix.Zorvane", b.name.toStdU16String(), {g.left(), g.top(), g.right() + 1, g.bottom() + 1});
            site->control().InitProperties();
            for (const auto& [key, value] : b.properties) {
                bool number = false;
                const int n = value.toInt(&number);
                SetProperty(site->control(), key.toStdU16String(),
                            number ? Variant(std::int32_t{n}) : Variant(value.toStdU16String()));
            }
        }
        for (const auto& [name, text] : script.tooltips)
            m_Form.Find(name.toStdU16String())->extenderToolTipText = text.toStdU16String();
        m_Form.snapshotRepaints = false;
        // the form appears: every control is shown, then the first in tab
        // order takes the focus
        for (const auto& site : m_Form.sites()) site->control().Show();
        for (const auto& site : m_Form.sites())
            if (TakesFocus(*site)) {
                m_Form.SetFocus(site.get());
                break;
            }
        for (const ScriptStep& step : script.steps) Run(step);
    }

    QStringList Log() const { return Collapsed(m_Form.LogLines()); }

private:
    static bool TakesFocus(headless::HeadlessSite& site) {
        return site.tabStop && site.Enabled() && site.visible();
    }

    headless::HeadlessSite* AtPointer() {
        const std::int32_t handle = m_Form.WindowAtPointer();
        for (const auto& site : m_Form.sites())
            if (site->WindowHandle() == handle) return site.get();
        return nullptr;
    }

    static float X(headless::HeadlessSite& s, int x) { return float(x - s.bounds().left); }
    static float Y(headless::HeadlessSite& s, int y) { return float(y - s.bounds().top); }

    void Press(int code, std::int16_t shift, int x, int y, bool second) {
        headless::HeadlessSite* site = m_Capture ? m_Capture : AtPointer();
        if (!site || !site->Enabled()) return;
        m_Form.SetFocus(site);  // a click focuses before it presses
        m_Capture = site;
        m_Held |= code;
        if (second && code == 1) site->control().DblClick();
        else site->control().MouseDown(std::int16_t(code), shift, X(*site, x), Y(*site, y));
    }

    void Release(int code, std::int16_t shift, int x, int y) {
        headless::HeadlessSite* site = m_Capture;
        m_Held &= ~code;
        if (m_Held == 0) m_Capture = nullptr;
        if (site) site->control().MouseUp(std::int16_t(code), shift, X(*site, x), Y(*site, y));
    }

    // Modifier keys go down before the key and up after it, each with the
    // state after its own change.
    void Key(const KeySpec& key, Qt::KeyboardModifiers modifiers) {
        const std::pair<Qt::KeyboardModifier, std::int16_t> order[] = {
            {Qt::ShiftModifier, 16}, {Qt::ControlModifier, 17}, {Qt::AltModifier, 18}};
        std::int16_t mask = 0;
        for (const auto& [modifier, code] : order)
            if (modifiers & modifier) {
                mask |= Mask(modifier);
                KeyDown(code, mask);
            }
        if (key.key == Qt::Key_Tab) {
            MoveFocus();
        } else if (headless::HeadlessSite* site = m_Form.focus()) {
            KeyDown(key.code, mask);
            if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier))
                for (const QChar c : key.text) {
                    std::int16_t ascii = std::int16_t(c.unicode());
                    site->control().KeyPress(ascii);
                }
        }
        KeyUp(key.code, mask);
        for (auto it = std::rbegin(order); it != std::rend(order); ++it)
            if (modifiers & it->first) {
                mask &= ~Mask(it->first);
                KeyUp(it->second, mask);
            }
    }

    void KeyDown(std::int16_t code, std::int16_t mask) {
        if (headless::HeadlessSite* site = m_Form.focus()) site->control().KeyDown(code, mask);
    }
    void KeyUp(std::int16_t code, std::int16_t mask) {
        if (headless::HeadlessSite* site = m_Form.focus()) site->control().KeyUp(code, mask);
    }

    void MoveFocus() {
        const auto& sites = m_Form.sites();
        const int count = int(sites.size());
        int start = count - 1;
        for (int i = 0; i < count; ++i)
            if (sites[i].get() == m_Form.focus()) start = i;
        for (int step = 1; step <= count; ++step) {
            headless::HeadlessSite* candidate = sites[(start + step) % count].get();
            if (TakesFocus(*candidate)) {
                m_Form.SetFocus(candidate);
                return;
            }
        }
    }

    // Alt, then the key that the form takes as an access key.
    void AccessKey(QChar c) {
        const char16_t key = c.toLower().unicode();
        KeyDown(18, 4);
        const auto& sites = m_Form.sites();
        std::vector<headless::HeadlessSite*> candidates;
        for (const auto& site : sites)
            if (QString::fromStdU16String(site->accessKeys()).toLower().contains(c.toLower()) && site->Enabled())
                candidates.push_back(site.get());
        if (!candidates.empty()) {
            headless::HeadlessSite* target = candidates.front();
            bool afterFocus = false;
            for (const auto& site : sites) {
                if (site.get() == m_Form.focus()) afterFocus = true;
                else if (afterFocus && std::find(candidates.begin(), candidates.end(), site.get()) != candidates.end()) {
                    target = site.get();
                    break;
                }
            }
            std::int16_t ascii = std::int16_t(key);
            target->control().AccessKeyPress(ascii);
        }
        KeyUp(std::int16_t(c.toUpper().unicode()), 4);
        KeyUp(18, 0);
    }

    void Run(const ScriptStep& step) {
        const QStringList& a = step.args;
        if (step.verb == u"move") {
            const int x = a[0].toInt(), y = a[1].toInt();
            m_Form.SetPointer(gdi::POINT{x, y});
            headless::HeadlessSite* site = m_Capture ? m_Capture : AtPointer();
            if (site && site->Enabled()) site->control().MouseMove(std::int16_t(m_Held), 0, X(*site, x), Y(*site, y));
        } else if (step.verb == u"press" || step.verb == u"release") {
            const auto [button, code] = ButtonNamed(a[0]);
            const std::int16_t shift = Mask(Modifiers(a.mid(3)));
            if (step.verb == u"press") Press(code, shift, a[1].toInt(), a[2].toInt(), false);
            else Release(code, shift, a[1].toInt(), a[2].toInt());
        } else if (step.verb == u"dblclick") {
            const int x = a[0].toInt(), y = a[1].toInt();
            Press(1, 0, x, y, false);
            Release(1, 0, x, y);
            Press(1, 0, x, y, true);
            Release(1, 0, x, y);
        } else if (step.verb == u"key") {
            const Qt::KeyboardModifiers modifiers = Modifiers(a.mid(1));
            if (const std::optional<KeySpec> key = KeyNamed(a[0], modifiers & Qt::ShiftModifier)) Key(*key, modifiers);
        } else if (step.verb == u"alt") {
            AccessKey(a[0][0]);
        } else if (step.verb == u"wait") {
            m_Form.AdvanceTime(std::uint64_t(a[0].toInt()));
        } else if (step.verb == u"leave") {
            m_Form.SetPointer(std::nullopt);
        }
    }

    headless::HeadlessForm m_Form;
    headless::HeadlessSite* m_Capture = nullptr;
    int m_Held = 0;
};

// ---- the Qt run --------------------------------------------------------------------------

class QtRun {
public:
    explicit QtRun(const InputScript& script) : m_Form(script.formSize) {
        for (const ScriptButton& b : script.buttons) m_Form.Button(b.name, b.geometry, b.properties);
        for (const auto& [name, text] : script.tooltips) m_Form->Find(name)->setToolTipText(text);
        m_Form.Show();
        WindowInput input(m_Form.form());
        for (const ScriptStep& step : script.steps) Run(step, input);
    }

    QStringList Log() { return Collapsed(m_Form.form().LogLines()) + m_Problems; }

private:
    QWidget* KeyTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : &m_Form.form();
    }

    // Real time passes; each control whose hover timer runs gets at least
    // one tick (that finds the pointer over it, or not).
    void Wait(int ms, int line) {
        QStringList ticking;
        for (ControlWindow* window : m_Form->controls())
            if (window->TimerEnabled(TimerId::Over)) ticking << window->name();
        const std::size_t start = m_Form->log().size();
        QElapsedTimer clock;
        clock.start();
        const bool done = WaitFor(
            [&] {
                if (clock.elapsed() < ms) return false;
                const QStringList lines = LogLines(m_Form.form(), start);
                for (const QString& name : ticking)
                    if (!lines.contains(name + QStringLiteral(" event MouseOver")) &&
                        !lines.contains(name + QStringLiteral(" event MouseOut")))
                        return false;
                return true;
            },
            ms + 3000);
        if (!done) m_Problems << QStringLiteral("line %1: no tick within the wait").arg(line);
    }

    void Run(const ScriptStep& step, WindowInput& input) {
        const QStringList& a = step.args;
        const auto point = [&](int i) { return QPointF(a[i].toInt(), a[i + 1].toInt()); };
        if (step.verb == u"move") {
            input.Move(point(0));
        } else if (step.verb == u"press") {
            input.Press(point(1), ButtonNamed(a[0]).first, Modifiers(a.mid(3)));
        } else if (step.verb == u"release") {
            input.Release(point(1), ButtonNamed(a[0]).first, Modifiers(a.mid(3)));
        } else if (step.verb == u"dblclick") {
            input.DoubleClick(point(0));
        } else if (step.verb == u"key") {
            const Qt::KeyboardModifiers modifiers = Modifiers(a.mid(1));
            if (const std::optional<KeySpec> key = KeyNamed(a[0], modifiers & Qt::ShiftModifier)) {
                QTest::sendKeyEvent(QTest::Press, KeyTarget(), key->key, key->text, modifiers);
                QTest::sendKeyEvent(QTest::Release, KeyTarget(), key->key, key->text, modifiers);
            }
        } else if (step.verb == u"alt") {
            const QChar c = a[0][0];
            const Qt::Key key = Qt::Key(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, KeyTarget(), key, QString(c.toLower()), Qt::AltModifier);
            QTest::sendKeyEvent(QTest::Release, KeyTarget(), key, QString(c.toLower()), Qt::AltModifier);
        } else if (step.verb == u"wait") {
            Wait(a[0].toInt(), step.line);
        } else if (step.verb == u"leave") {
            input.Leave();
        } else {
            m_Problems << QStringLiteral("line %1: unknown step %2").arg(step.line).arg(step.verb);
        }
    }

    Form m_Form;
    QStringList m_Problems;
};

}  // namespace

QStringList RunHeadless(const InputScript& script) { return HeadlessRun(script).Log(); }
QStringList RunQt(const InputScript& script) { return QtRun(script).Log(); }

}  // namespace vemmix::qt::test
