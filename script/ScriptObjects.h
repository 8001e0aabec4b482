// The native side of the objects a script holds: controls, forms, fonts,
// pictures and drag data. The script sees each through a JavaScript proxy
// (bootstrap.js) that resolves every property and method by name at run
// time through the object's get/set/call; the native object itself never
// reaches the script.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include <QJSValue>
#include <QObject>
#include <QString>

#include <vemmix/Control.h>
#include <vemmix/StdObjects.h>
#include <vemmix/Variant.h>

namespace vemmix::script {

class Bridge;
class ScriptForm;

// The arguments of a call from the script, with the checks each one
// makes (ScriptError): a missing argument is 450, a value of the wrong
// kind 13, a number beyond its range 6, no object where one is needed 424.
class Arguments {
public:
    Arguments(Bridge& bridge, const QJSValue& arguments, QString source);

    int size() const { return m_Size; }
    // Present and not undefined.
    bool Has(int i) const;
    QJSValue At(int i) const;
    const QString& source() const { return m_Source; }
    // From `min` to `max` arguments, else 450.
    void Count(int min, int max) const;

    QString Text(int i) const;
    double Number(int i) const;
    std::int16_t Int16(int i) const;
    std::int32_t Int32(int i) const;
    bool Bool(int i) const;
    // A key: a string of one character or a character code.
    char16_t Character(int i) const;
    // The automation value of an argument (ToVariant).
    Variant Value(int i) const;

    [[noreturn]] void Fail(std::int32_t number, const QString& message) const;

private:
    Bridge& m_Bridge;
    QJSValue m_Arguments;
    int m_Size = 0;
    QString m_Source;
};

// What a name is on an object.
enum class MemberKind { Unknown, Property, Method };

class ScriptObject : public QObject {
    Q_OBJECT

public:
    explicit ScriptObject(Bridge& bridge);
    ~ScriptObject() override;

    // ---- the proxy's entry points (each error becomes an exception) ------------
    // The value of a property, the method marker for a method, the unknown
    // marker for a name the object does not have.
    Q_INVOKABLE QJSValue get(const QString& name);
    Q_INVOKABLE void set(const QString& name, const QJSValue& value);
    Q_INVOKABLE QJSValue call(const QString& name, const QJSValue& arguments);
    Q_INVOKABLE bool has(const QString& name);
    Q_INVOKABLE QString describe() const { return Describe(); }
    Q_INVOKABLE void fail(const QString& name);  // 438 for a name the object does not have
    Q_INVOKABLE void on(const QJSValue& event, const QJSValue& handler);
    Q_INVOKABLE void off(const QJSValue& event, const QJSValue& handler);

    virtual bool IsControl() const { return false; }

protected:
    virtual MemberKind Kind(const QString& name) = 0;
    virtual QJSValue Get(const QString& name) = 0;
    virtual void Set(const QString& name, const QJSValue& value) = 0;
    virtual QJSValue Call(const QString& name, const Arguments& arguments) = 0;
    virtual QString Describe() const = 0;
    // "cmdOK.Caption", "Font.Bold"
    virtual QString SourceOf(const QString& name) const = 0;
    virtual void On(const QJSValue& event, const QJSValue& handler);
    virtual void Off(const QJSValue& event, const QJSValue& handler);

    Bridge& m_Bridge;
};

// A control: its automation interface through GetIDOfName and Invoke, and
// the script's handlers of its events.
class ControlObject final : public ScriptObject {
public:
    ControlObject(Bridge& bridge, ScriptForm& form, Control& control);

    ScriptForm& form() const { return m_Form; }
    Control& control() const { return m_Control; }
    QString Reference() const;
    bool IsControl() const override { return true; }

    // Runs the script's handlers of an event: the arguments as one object
    // whose fields the handlers may change, read back into `args`; 0 or the
    // handler's error.
    std::int32_t Raise(std::int32_t dispid, std::span<Variant> args);

protected:
    MemberKind Kind(const QString& name) override;
    QJSValue Get(const QString& name) override;
    void Set(const QString& name, const QJSValue& value) override;
    QJSValue Call(const QString& name, const Arguments& arguments) override;
    QString Describe() const override;
    QString SourceOf(const QString& name) const override;
    void On(const QJSValue& event, const QJSValue& handler) override;
    void Off(const QJSValue& event, const QJSValue& handler) override;

private:
    std::int32_t DispatchId(const QString& name, const QString& source) const;
    std::int32_t EventId(const QJSValue& event) const;
    [[noreturn]] void Fail(std::int32_t number, const QString& name) const;

    ScriptForm& m_Form;
    Control& m_Control;
    std::vector<std::pair<std::int32_t, QJSValue>> m_Handlers;  // dispid, function, in order of `on`
};

// A form: add, control, controls, save, name, problems, focus.
class FormObject final : public ScriptObject {
public:
    FormObject(Bridge& bridge, ScriptForm& form, QString name);
    ScriptForm& form() const { return m_Form; }

protected:
    MemberKind Kind(const QString& name) override;
    QJSValue Get(const QString& name) override;
    void Set(const QString& name, const QJSValue& value) override;
    QJSValue Call(const QString& name, const Arguments& arguments) override;
    QString Describe() const override;
    QString SourceOf(const QString& name) const override { return QStringLiteral("form.") + name; }

private:
    ScriptForm& m_Form;
    QString m_Name;
};

// A font object: Name, Size, Bold, Italic, Underline, Strikethrough,
// Charset, without regard to case. Shared: a change reaches every control
// that holds the font.
class FontObject final : public ScriptObject {
public:
    FontObject(Bridge& bridge, FontRef font);
    const FontRef& font() const { return m_Font; }

protected:
    MemberKind Kind(const QString& name) override;
    QJSValue Get(const QString& name) override;
    void Set(const QString& name, const QJSValue& value) override;
    QJSValue Call(const QString& name, const Arguments& arguments) override;
    QString Describe() const override;
    QString SourceOf(const QString& name) const override { return QStringLiteral("Font.") + name; }

private:
    FontRef m_Font;
};

// A picture object: Type, Width and Height (HIMETRIC), read-only.
class PictureObject final : public ScriptObject {
public:
    PictureObject(Bridge& bridge, PictureRef picture);
    const PictureRef& picture() const { return m_Picture; }

protected:
    MemberKind Kind(const QString& name) override;
    QJSValue Get(const QString& name) override;
    void Set(const QString& name, const QJSValue& value) override;
    QJSValue Call(const QString& name, const Arguments& arguments) override;
    QString Describe() const override;
    QString SourceOf(const QString& name) const override { return QStringLiteral("Picture.") + name; }

private:
    PictureRef m_Picture;
};

// The data of a drag and drop: GetFormat, GetData, SetData, Clear.
class DataObjectObject final : public ScriptObject {
public:
    DataObjectObject(Bridge& bridge, DataObjectRef data);
    const DataObjectRef& data() const { return m_Data; }

protected:
    MemberKind Kind(const QString& name) override;
    QJSValue Get(const QString& name) override;
    void Set(const QString& name, const QJSValue& value) override;
    QJSValue Call(const QString& name, const Arguments& arguments) override;
    QString Describe() const override { return QStringLiteral("[DataObject]"); }
    QString SourceOf(const QString& name) const override { return QStringLiteral("DataObject.") + name; }

private:
    DataObjectRef m_Data;
};

}  // namespace vemmix::script
