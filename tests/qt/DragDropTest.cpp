// Drag and drop: the data object over QMimeData, drops on a manual drop
// target, and the drags a control starts (by OLEDrag or automatically).
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QUrl>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>
#include <vemmix/qt/MimeDataObject.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

QMimeData* TextAndUrls() {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("hello"));
    data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt")), QUrl(QStringLiteral("https://example.org/x"))});
    data->setData(QStringLiteral("application/x-test"), QByteArray("\x01\x02", 2));
    return data;
}

}  // namespace

class DragDropTest : public QObject {
    Q_OBJECT

private slots:
    void theDataObjectByFormatNumber() {
        MimeDataObject data;
        QVERIFY(data.Formats().empty());
        QVERIFY(data.SetData(DataFormat::Text, u"text"));
        QVERIFY(data.SetData(DataFormat::Files, std::vector<std::u16string>{u"/tmp/f", u"https://a.b/c"}));
        QVERIFY(data.SetData(300, std::vector<std::uint8_t>{7, 8}));
        // the kind must suit the format
        QVERIFY(!data.SetData(DataFormat::Text, std::vector<std::uint8_t>{1}));
        QVERIFY(!data.SetData(DataFormat::Files, u"x"));
        QVERIFY(!data.SetData(301, u"x"));

        QCOMPARE(data.Formats(), (std::vector<std::int32_t>{1, 15, 300}));
        QCOMPARE(data.GetData(DataFormat::Text), std::optional<DataValue>(u"text"));
        QCOMPARE(data.GetData(DataFormat::Files),
                 std::optional<DataValue>(std::vector<std::u16string>{u"/tmp/f", u"https://a.b/c"}));
        QCOMPARE(data.GetData(300), std::optional<DataValue>(std::vector<std::uint8_t>{7, 8}));
        QCOMPARE(data.GetData(2), std::nullopt);
        QCOMPARE(data.mimeData().urls().front(), QUrl::fromLocalFile(QStringLiteral("/tmp/f")));
        QCOMPARE(data.mimeData().data(QStringLiteral("application/x-vemmix-format-300")), QByteArray("\x07\x08", 2));
        data.Clear();
        QVERIFY(data.Formats().empty());
    }

    void foreignTypesAreNumberedAsRegisteredFormats() {
        MimeDataObject data(*std::unique_ptr<QMimeData>(TextAndUrls()));
        const std::int32_t number = FormatForMimeType(QStringLiteral("application/x-test"));
        QVERIFY(number >= 0xC000);
        QCOMPARE(FormatForMimeType(QStringLiteral("application/x-test")), number);
        QCOMPARE(MimeTypeForFormat(number), QStringLiteral("application/x-test"));
        // as a 16-bit argument the number is negative
        QCOMPARE(MimeTypeForFormat(static_cast<std::int16_t>(number)), QStringLiteral("application/x-test"));
        QCOMPARE(data.Formats(), (std::vector<std::int32_t>{1, 15, number}));
        QCOMPARE(data.GetData(number), std::optional<DataValue>(std::vector<std::uint8_t>{1, 2}));
        // text is text, not the URL list read as text
        MimeDataObject urlsOnly;
        urlsOnly.SetData(DataFormat::Files, std::vector<std::u16string>{u"/x"});
        QVERIFY(!urlsOnly.HasFormat(DataFormat::Text));
    }

    void effectsAndDropActions() {
        QCOMPARE(DropActionsFromEffect(3), Qt::CopyAction | Qt::MoveAction);
        QCOMPARE(DropActionsFromEffect(4), Qt::DropActions(Qt::LinkAction));
        QCOMPARE(DropActionsFromEffect(0), Qt::DropActions());
        QCOMPARE(EffectFromDropActions(Qt::MoveAction | Qt::LinkAction), 6);
    }

    void aManualDropTargetHearsOfTheDrag() {
        RecorderForm f([](ControlWindow& w) { w.SetOLEDropMode(1); });
        RecordingControl& rec = f.rec;
        ControlWindow& window = f.window;
        std::unique_ptr<QMimeData> mime(TextAndUrls());

        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(QPoint(21, 11), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        rec.dropEffect = 2;  // the handler allows a move only
        QApplication::sendEvent(&window, &move);
        QVERIFY(move.isAccepted());
        QCOMPARE(move.dropAction(), Qt::MoveAction);
        QDropEvent drop(QPointF(22, 12), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        rec.dropEffect = 1;
        QApplication::sendEvent(&window, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(f.journal, QStringList({"rec OLEDragOver 3 1 1 20 10 0", "rec OLEDragOver 3 1 0 21 11 2",
                                         "rec OLEDragDrop 3 1 0 22 12"}));

        // the data the handlers saw, still there after the drag is over
        mime.reset();
        QVERIFY(rec.lastData);
        QCOMPARE(rec.lastData->GetData(DataFormat::Text), std::optional<DataValue>(u"hello"));
        QCOMPARE(rec.lastData->GetData(DataFormat::Files),
                 std::optional<DataValue>(std::vector<std::u16string>{u"/tmp/a b.txt", u"https://example.org/x"}));
    }

    void aRefusedDropAndALeavingDrag() {
        RecorderForm f([](ControlWindow& w) { w.SetOLEDropMode(1); });
        RecordingControl& rec = f.rec;
        ControlWindow& window = f.window;
        std::unique_ptr<QMimeData> mime(TextAndUrls());
        rec.dropEffect = 0;
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        // taken, so that the control goes on hearing of the drag, but no drop
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::IgnoreAction);
        QDragMoveEvent move(QPoint(21, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&window, &move);
        QVERIFY(!move.isAccepted());
        // a drop all the same is the drag leaving
        QDropEvent drop(QPointF(22, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&window, &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(f.journal, QStringList({"rec OLEDragOver 1 1 0 20 10 0", "rec OLEDragOver 1 1 0 21 10 2",
                                         "rec OLEDragOver 0 0 0 21 10 1"}));

        // and a drag that leaves
        f.journal.clear();
        QDragEnterEvent again(QPoint(20, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&window, &again);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&window, &leave);
        QCOMPARE(f.journal, QStringList({"rec OLEDragOver 1 1 0 20 10 0", "rec OLEDragOver 0 0 0 20 10 1"}));
    }

    void onlyAManualDropTargetTakesDrops() {
        RecorderForm f([](ControlWindow& w) { w.SetOLEDropMode(2); });
        ControlWindow& window = f.window;
        std::unique_ptr<QMimeData> mime(TextAndUrls());
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(f.journal, QStringList());
    }

    void theButtonRaisesTheDropEvents() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30), {{"OLEDropMode", "1"}});
        QVERIFY(cmd.acceptDrops());
        f.Show();
        const std::size_t start = f->log().size();
        std::unique_ptr<QMimeData> mime(TextAndUrls());
        QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&cmd, &enter);
        QDropEvent drop(QPointF(20, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(&cmd, &drop);
        QCOMPARE(EventLines(f.form(), start), QStringList({"cmd event OLEDragOver(data,1,1,0,20,10,0)",
                                                           "cmd event OLEDragDrop(data,1,1,0,20,10)"}));
        QVERIFY(drop.isAccepted());
    }

    void oleDragRunsADragFromStartToCompletion() {
        RecorderForm f;
        RecordingControl& rec = f.rec;
        rec.fillDrag = [](DataObjectRef& data) { data->SetData(DataFormat::Text, u"dragged"); };
        QCOMPARE(rec.site().OLEDrag(), 0);
        // the offscreen platform ends every drag at once, dropped nowhere
        QCOMPARE(f.journal, QStringList({"rec OLEStartDrag 3", "rec OLECompleteDrag 0"}));
        QVERIFY(LogLines(f.form()).contains("rec drag"));

        // a format announced without data is asked for when a target wants it
        QPointer<QDrag> drag = f->Find(u"rec")->findChild<QDrag*>();
        QVERIFY(drag && drag->mimeData());
        f.journal.clear();
        rec.fillDrag = nullptr;
        QCOMPARE(drag->mimeData()->formats(), QStringList({"text/plain"}));
        QCOMPARE(drag->mimeData()->text(), QStringLiteral("dragged"));
        QCOMPARE(f.journal, QStringList());

        f.journal.clear();
        rec.fillDrag = [](DataObjectRef& data) {
            data->SetData(DataFormat::Text, u"");
            data->SetData(300, std::vector<std::uint8_t>{9});
        };
        rec.setData = [](DataObjectRef& data, std::int16_t format) {
            if (format == DataFormat::Text) data->SetData(DataFormat::Text, u"late");
        };
        rec.site().OLEDrag();
        QDrag* second = nullptr;
        for (QDrag* candidate : f->Find(u"rec")->findChildren<QDrag*>())
            if (candidate != drag) second = candidate;
        QVERIFY(second);
        QCOMPARE(second->mimeData()->formats(), QStringList({"text/plain", "application/x-vemmix-format-300"}));
        QCOMPARE(second->mimeData()->text(), QStringLiteral("late"));
        QCOMPARE(second->mimeData()->text(), QStringLiteral("late"));
        QCOMPARE(second->mimeData()->data(QStringLiteral("application/x-vemmix-format-300")), QByteArray("\x09", 1));
        QCOMPARE(f.journal, QStringList({"rec OLEStartDrag 3", "rec OLECompleteDrag 0", "rec OLESetData 1"}));

        // no allowed effect: no drag
        f.journal.clear();
        rec.allowedEffects = 0;
        rec.site().OLEDrag();
        QCOMPARE(f.journal, QStringList({"rec OLEStartDrag 3"}));
    }

    void anAutomaticDragStartsBeyondTheDragDistance() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30), {{"OLEDragMode", "1"}});
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(20, 20));
        input.Press(QPointF(20, 20));
        std::size_t start = f->log().size();
        const int distance = QApplication::startDragDistance();
        input.Move(QPointF(20 + distance - 1, 20));
        QCOMPARE(EventLines(f.form(), start).filter(u"OLE"), QStringList());
        input.Move(QPointF(20 + distance, 20));
        QCOMPARE(EventLines(f.form(), start).filter(u"OLE"),
                 QStringList({"cmd event OLEStartDrag(data,3)", "cmd event OLECompleteDrag(0)"}));
        input.Release(QPointF(20 + distance, 20));
        (void)cmd;
    }
};

QTEST_MAIN(DragDropTest)
#include "DragDropTest.moc"
