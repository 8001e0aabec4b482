// The form: its controls, frames and labels, ambient properties, focus and
// tab order, access keys, default and cancel buttons, menus, the pointer
// query and the log.
#include <vemmix/qt/FormWindow.h>

#include <algorithm>
#include <stdexcept>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QWindow>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/TooltipWindow.h>

#include "FormPlatform.h"
#include "PointerTracker.h"

namespace vemmix::qt {

namespace {

constexpr std::int16_t kEnter = 13, kEscape = 27;

QColor ColorOf(gdi::COLORREF colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

char16_t LowerCase(char16_t key) { return QChar(key).toLower().unicode(); }

}  // namespace

FormWindow::FormWindow(QWidget* parent)
    : QWidget(parent),
      m_Platform(std::make_unique<FormPlatform>(*this)),
      m_Factory([](std::u16string_view classId, ControlSite& site, std::int32_t* error) {
          return CreateControl(classId, site, error);
      }),
      m_Font(MakeFont(FontDescription{})) {
    // from now on the pointer is known to the pointer query
    PointerTracker::Instance();
    FollowDesktop();
}

FormWindow::~FormWindow() {
    // Every control ends before any window goes, as when a form closes.
    for (ControlWindow* window : m_Controls)
        if (window->control()) window->control()->Terminate();
    while (!m_Controls.empty()) delete m_Controls.back();
}

// ---- ambient properties ------------------------------------------------------------------

void FormWindow::setBackColor(OleColor colour) {
    m_BackColor = colour;
    update();
    AmbientChanged(u"BackColor");
}

void FormWindow::setAmbientFont(const FontDescription& font) {
    m_Font = MakeFont(font);
    AmbientChanged(u"Font");
}

void FormWindow::setUserMode(bool userMode) {
    m_UserMode = userMode;
    AmbientChanged(u"UserMode");
}

// The controls hear of it; each is drawn again at the next paint.
void FormWindow::AmbientChanged(std::u16string_view name) {
    for (ControlWindow* window : m_Controls) {
        if (!window->control()) continue;
        window->control()->AmbientChanged(name);
        window->m_ImageValid = false;
        window->update();
    }
}

void FormWindow::FollowDesktop() {
    m_Platform->FollowPalette(palette());
    const std::optional<host::VisualStyleName> style = host::VisualStyleFor(host::EffectiveVisualStyle(m_VisualStyle));
    m_Platform->SetVisualStyle(style ? std::optional(VisualStyleBuffers{style->themeFile, style->colorName,
                                                                        style->sizeName})
                                     : std::nullopt);
}

// A change of the desktop's palette or font (a theme switch) is a change
// of the ambient properties.
void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        FollowDesktop();
        update();
        AmbientChanged(u"BackColor");
    } else if (event->type() == QEvent::FontChange) {
        AmbientChanged(u"Font");
    }
    QWidget::changeEvent(event);
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColorOf(TranslateColor(m_BackColor, m_Platform->SystemColors())));
}

// ---- the platform ----------------------------------------------------------------------------

void FormWindow::setTextRenderer(TextRenderer* renderer) { m_Platform->SetTextRenderer(renderer); }

void FormWindow::setSystemColors(std::shared_ptr<const SystemColorTable> colours) {
    m_Platform->SetSystemColors(std::move(colours));
    update();
}

void FormWindow::setVisualStyle(const host::VisualStyleSetting& style) {
    m_VisualStyle = style;
    FollowDesktop();
    AmbientChanged(u"BackColor");
}

void FormWindow::setScreenDpi(int dpi) { m_Platform->SetScreenDpi(dpi); }

// ---- controls ----------------------------------------------------------------------------------

void FormWindow::setControlFactory(ControlFactory factory) { m_Factory = std::move(factory); }

ControlWindow* FormWindow::AddControl(std::u16string_view classId, const QString& name,
                                      QRect geometry, QWidget* parent, std::int32_t* error) {
    auto* window = new ControlWindow(*this, parent, name, geometry);
    std::int32_t createError = errors::kNone;
    std::unique_ptr<Control> control = m_Factory ? m_Factory(classId, *window, &createError) : nullptr;
    if (!control) {
        delete window;
        if (error) *error = createError != errors::kNone ? createError : errors::kCannotCreateObject;
        return nullptr;
    }
    if (error) *error = errors::kNone;
    window->m_ClassId = QString::fromUtf16(classId.data(), static_cast<qsizetype>(classId.size()));
    m_Controls.push_back(window);
    window->AttachControl(std::move(control));
    return window;
}

ControlWindow& FormWindow::AddButton(const QString& name, QRect geometry, QWidget* parent) {
    std::int32_t error = errors::kNone;
    ControlWindow* window = AddControl(u"Vemmix.Zorvane", name, geometry, parent, &error);
    if (!window)
        throw std::runtime_error("cannot create Vemmix.Zorvane (error " + std::to_string(error) + ")");
    window->control()->InitProperties();
    // a window added to a form on the screen shows at once
    if (window->parentWidget()->isVisible()) window->show();
    return *window;
}

void FormWindow::RemoveControl(ControlWindow& window) {
    if (window.control()) window.control()->Terminate();
    delete &window;
}

void FormWindow::ControlGone(ControlWindow* window) {
    std::erase(m_Controls, window);
    std::erase(m_TabOrder, window);
    if (m_Focus == window) m_Focus = nullptr;
    if (m_Default == window) m_Default = nullptr;
    if (m_Cancel == window) m_Cancel = nullptr;
    m_Platform->DropTooltipsOf(window);
    UpdateAccessKeys();
}

ControlWindow* FormWindow::Find(QStringView name, std::optional<int> index) const {
    for (ControlWindow* window : m_Controls)
        if (window->index() == index && window->name().compare(name, Qt::CaseInsensitive) == 0) return window;
    return nullptr;
}

QWidget* FormWindow::AddFrame(const QString& name, const QString& caption, QRect geometry,
                              QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent ? parent : this);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

QLabel* FormWindow::AddLabel(const QString& name, const QString& caption, QRect geometry,
                             QWidget* parent) {
    auto* label = new QLabel(caption, parent ? parent : this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // windowless: the pointer query and the mouse look through it
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// ---- focus --------------------------------------------------------------------------------------

void FormWindow::setTabOrder(const std::vector<ControlWindow*>& order) {
    m_TabOrder.clear();
    for (ControlWindow* window : order)
        if (window && std::ranges::find(m_Controls, window) != m_Controls.end() &&
            std::ranges::find(m_TabOrder, window) == m_TabOrder.end())
            m_TabOrder.push_back(window);
}

std::vector<ControlWindow*> FormWindow::tabOrder() const {
    std::vector<ControlWindow*> order = m_TabOrder;
    for (ControlWindow* window : m_Controls)
        if (std::ranges::find(order, window) == order.end()) order.push_back(window);
    return order;
}

bool FormWindow::TakesFocus(const ControlWindow* window) const {
    return window && window->tabStop() && window->isEnabled() && window->isVisibleTo(this);
}

void FormWindow::setFocusControl(ControlWindow* window) {
    if (window && (!window->isEnabled() || !window->isVisibleTo(this))) return;
    ChangeFocus(window, true);
}

void FormWindow::ChangeFocus(ControlWindow* window, bool moveWidgetFocus) {
    if (window == m_Focus) return;
    ControlWindow* old = m_Focus;
    m_Focus = window;
    if (old && old->control()) {
        old->control()->LostFocus();
        old->control()->ExitFocus();
    }
    if (window && window->control()) window->control()->GotFocus();
    if (!moveWidgetFocus) return;
    if (window) window->setFocus(Qt::TabFocusReason);
    else if (old) old->clearFocus();
}

// The next or previous tab stop from the focus (or from `origin` when no
// control has it), wrapping; disabled and hidden controls take no focus.
void FormWindow::MoveFocusFrom(ControlWindow* origin, bool forward) {
    const std::vector<ControlWindow*> order = tabOrder();
    const int count = static_cast<int>(order.size());
    if (count == 0) return;
    ControlWindow* from = m_Focus ? m_Focus : origin;
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (order[i] == from) start = i;
    if (start < 0) start = forward ? count - 1 : 0;  // from nowhere: the first or the last
    for (int step = 1; step <= count; ++step) {
        const int i = ((forward ? start + step : start - step) % count + count) % count;
        if (TakesFocus(order[i])) {
            ChangeFocus(order[i], true);
            return;
        }
    }
}

// Tab and Shift+Tab take the same way as the controls' own requests.
bool FormWindow::focusNextPrevChild(bool next) {
    MoveFocusFrom(m_Focus, next);
    return true;
}

// The first control in tab order has the focus when the form appears.
void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_InitialFocusGiven || m_Focus) return;
    m_InitialFocusGiven = true;
    for (ControlWindow* window : tabOrder()) {
        if (TakesFocus(window)) {
            ChangeFocus(window, true);
            return;
        }
    }
}

// ---- default and cancel buttons, access keys -------------------------------------------------

void FormWindow::setDefaultControl(ControlWindow* window) {
    if (window == m_Default) return;
    ControlWindow* old = m_Default;
    m_Default = window;
    for (ControlWindow* changed : {old, window})
        if (changed && changed->control()) changed->control()->AmbientChanged(u"DisplayAsDefault");
}

void FormWindow::setCancelControl(ControlWindow* window) { m_Cancel = window; }

// Enter and Escape with no control focused.
void FormWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_Default) {
        DeliverAccessKey(m_Default, kEnter);
        return;
    }
    if (key == Qt::Key_Escape && m_Cancel) {
        DeliverAccessKey(m_Cancel, kEscape);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FormWindow::DeliverAccessKey(ControlWindow* window, std::int16_t keyAscii) {
    if (!window || !window->control() || !window->isEnabled() || !window->isVisibleTo(this))
        return false;
    window->control()->AccessKeyPress(keyAscii);
    window->ReportStates();
    return true;
}

// One Alt+key shortcut for each key any control registered.
void FormWindow::UpdateAccessKeys() {
    std::vector<char16_t> keys;
    for (ControlWindow* window : m_Controls)
        for (char16_t key : window->accessKeys())
            if (std::ranges::find(keys, LowerCase(key)) == keys.end()) keys.push_back(LowerCase(key));

    for (QObject* shortcut : m_AccessKeyShortcuts) delete shortcut;
    m_AccessKeyShortcuts.clear();
    for (char16_t key : keys) {
        const auto qtKey = static_cast<Qt::Key>(QChar(key).toUpper().unicode());
        auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, qtKey)), this);
        connect(shortcut, &QShortcut::activated, this, [this, key] { AccessKeyActivated(key); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this, [this, key] { AccessKeyActivated(key); });
        m_AccessKeyShortcuts.push_back(shortcut);
    }
}

// The control with the key, the first in tab order after the focus.
void FormWindow::AccessKeyActivated(char16_t key) {
    std::vector<ControlWindow*> candidates;
    for (ControlWindow* window : tabOrder()) {
        const auto& keys = window->accessKeys();
        if (std::ranges::any_of(keys, [key](char16_t k) { return LowerCase(k) == key; }) &&
            window->isEnabled() && window->isVisibleTo(this))
            candidates.push_back(window);
    }
    if (candidates.empty()) return;
    ControlWindow* target = candidates.front();
    const std::vector<ControlWindow*> order = tabOrder();
    if (const auto focus = std::ranges::find(order, m_Focus); focus != order.end()) {
        for (auto it = std::next(focus); it != order.end(); ++it)
            if (std::ranges::find(candidates, *it) != candidates.end()) {
                target = *it;
                break;
            }
    }
    DeliverAccessKey(target, static_cast<std::int16_t>(key));
}

// ---- menus -----------------------------------------------------------------------------------------

void FormWindow::AddMenu(const QString& name, const QString& caption,
                         const std::vector<MenuEntry>& items) {
    auto* popup = new QMenu(caption, this);
    popup->setObjectName(name);
    for (const MenuEntry& item : items) {
        if (item.caption == u"-") {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(item.caption);
        connect(action, &QAction::triggered, this, [this, name, item] {
            if (onMenuItem) onMenuItem(name, item);
        });
    }
    m_Menus.push_back(PopupMenu{name, caption, items, popup});
}

QMenu* FormWindow::menu(QStringView name) const {
    for (const PopupMenu& m : m_Menus)
        if (m.name.compare(name, Qt::CaseInsensitive) == 0) return m.menu;
    return nullptr;
}

bool FormWindow::ShowPopupMenu(QStringView name, QPoint position) {
    QMenu* popup = menu(name);
    if (!popup) return false;
    popup->popup(mapToGlobal(position));
    return true;
}

// ---- the log ------------------------------------------------------------------------------------------

void FormWindow::Append(headless::LogEntry entry) { m_Log.push_back(std::move(entry)); }

std::vector<std::string> FormWindow::LogLines() const {
    std::vector<std::string> lines;
    lines.reserve(m_Log.size());
    for (const headless::LogEntry& entry : m_Log)
        lines.push_back(headless::HeadlessForm::FormatLogEntry(entry));
    return lines;
}

// ---- the pointer query -----------------------------------------------------------------------------

std::optional<QPoint> FormWindow::pointerPosition() const {
    return PointerTracker::Instance().Position();
}

namespace {

bool Covers(const QWidget& window, QPoint global) {
    if (!window.geometry().contains(global)) return false;
    const QRegion mask = window.mask();
    return mask.isEmpty() || mask.contains(global - window.geometry().topLeft());
}

}  // namespace

QWidget* FormWindow::widgetAtPointer() const {
    const std::optional<QPoint> pointer = pointerPosition();
    if (!pointer) return nullptr;

    // Popups and tooltips float above every window. The controls' own
    // tooltip windows let the pointer through.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<TooltipWindow*>(top)) continue;
        const Qt::WindowType type = top->windowType();
        if ((type == Qt::Popup || type == Qt::ToolTip) && Covers(*top, *pointer)) return top;
    }

    // The platform's window stack; where it cannot say, the form's window.
    QWidget* own = window();
    if (const QWindow* at = QGuiApplication::topLevelAt(*pointer); at && at != own->windowHandle()) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == at && !qobject_cast<TooltipWindow*>(top)) return top;
    }
    if (!own->isVisible() || !Covers(*own, *pointer)) return nullptr;
    QWidget* child = own->childAt(own->mapFromGlobal(*pointer));
    return child ? child : own;
}

// ---- tooltips ---------------------------------------------------------------------------------------

std::vector<TooltipWindow*> FormWindow::tooltips() const { return m_Platform->Live(); }
TooltipWindow* FormWindow::tooltip(std::int32_t handle) const { return m_Platform->Find(handle); }

}  // namespace vemmix::qt
