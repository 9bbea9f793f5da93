// Thousands of random player actions on the window, each followed by a comparison with a small
// model of what the player must see: who is backed, which captions are red, which cheers show,
// where the racers stand. Set ZOOMKIN_PLAY_SEED to replay a run; every run prints its seed.
#include "box_closer.h"
#include "form2_probe.h"
#include "twips.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <optional>

using testing::BoxCloser;
using testing::Form2Probe;

namespace {

constexpr int kEvents = 10'000;
using testing::storedPixels;

QRect clientArea() {
    return {QPoint(), window::clientPixelSize(window::form2Description())};
}

const race::Racer& racer(int i) {
    return race::racer(i + 1);
}

// The window as the player must see it, worked out from the stored layout alone.
struct Model {
    int backed = -1; // racer 0..3, or none
    int focus = 0;   // the option with the keyboard focus
    std::array<bool, 4> red{};
    std::array<bool, 4> cheering{};
    std::array<float, 4> left{static_cast<float>(testing::stored(racer(0).image).left),
                              static_cast<float>(testing::stored(racer(1).image).left),
                              static_cast<float>(testing::stored(racer(2).image).left),
                              static_cast<float>(testing::stored(racer(3).image).left)};

    // Pixel rectangles of the client area, as stored.
    static QRect option(int i) { return storedPixels(racer(i).option); }
    static QRect cheer(int i) { return storedPixels(racer(i).cheerLabel); }
    static QRect prompt() { return storedPixels(testing::storedPrompt().name); }
    static int picture0Top() { return storedPixels(racer(0).image).top(); }
    QRect picture(int i) const {
        QRect rect = storedPixels(racer(i).image);
        rect.moveLeft(runtime::twipsToPixels(left[static_cast<size_t>(i)]));
        return rect;
    }

    enum class Kind { Bare, Option, Cheer, Picture, Prompt };
    struct Hit {
        Kind kind;
        int index;
    };
    // The topmost visible control at a point: option buttons over everything drawn on the
    // window, then pictures, shown cheers and the prompt.
    Hit at(QPoint p) const {
        for (int i = 3; i >= 0; --i)
            if (option(i).contains(p))
                return {Kind::Option, i};
        for (int i = 3; i >= 0; --i)
            if (picture(i).contains(p))
                return {Kind::Picture, i};
        for (int i = 3; i >= 0; --i)
            if (cheering[static_cast<size_t>(i)] && cheer(i).contains(p))
                return {Kind::Cheer, i};
        if (prompt().contains(p))
            return {Kind::Prompt, 0};
        return {Kind::Bare, 0};
    }

    void pointerMovedTo(QPoint p) {
        const Hit hit = at(p);
        if (hit.kind == Kind::Option) {
            red[static_cast<size_t>(hit.index)] = true;
            cheering[static_cast<size_t>(hit.index)] = true;
        } else if (hit.kind == Kind::Bare) {
            red.fill(false);
            cheering.fill(false);
        }
    }
    void clickedAt(QPoint p) {
        const Hit hit = at(p);
        if (hit.kind == Kind::Option)
            backed = focus = hit.index;
    }
    void arrow(int direction) {
        const int next = focus + direction;
        if (next < 0 || next > 3)
            return; // no option further that way
        if (backed == focus)
            backed = next; // the selection follows the focus once the focused one is backed
        focus = next;
    }
};

} // namespace

class TestForm2RandomPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAlwaysShowsWhatThePlayerDid();

private:
    QString difference(const Model& model) const;
    std::optional<Form2Probe> probe_;
};

QString TestForm2RandomPlay::difference(const Model& model) const {
    QStringList differences;
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<size_t>(i);
        const window::OptionButton* option = probe_->option(i + 1);
        const QLabel* cheer = probe_->cheer(i + 1);
        const window::ImageControl* image = probe_->image(i + 1);
        if (option->value() != (model.backed == i))
            differences
                << QStringLiteral("%1 backed %2").arg(option->objectName()).arg(option->value());
        if ((option->foreColor() == runtime::kRed) != model.red[s])
            differences << QStringLiteral("%1 red %2").arg(option->objectName()).arg(!model.red[s]);
        if (cheer->isVisible() != model.cheering[s])
            differences
                << QStringLiteral("%1 shown %2").arg(cheer->objectName()).arg(!model.cheering[s]);
        if (image->left() != model.left[s])
            differences << QStringLiteral("%1 at %2, expected %3")
                               .arg(image->objectName())
                               .arg(image->left())
                               .arg(model.left[s]);
        if (image->geometry() != model.picture(i))
            differences << QStringLiteral("%1 drawn elsewhere").arg(image->objectName());
    }
    // the window's own focus, which a real window system keeps while it moves the activation
    const QWidget* focused = probe_->client()->window()->focusWidget();
    if (focused != probe_->option(model.focus + 1))
        differences << QStringLiteral("focus on %1, expected %2")
                           .arg(focused ? focused->objectName() : QStringLiteral("nothing"))
                           .arg(probe_->option(model.focus + 1)->objectName());
    return differences.join(QStringLiteral("; "));
}

void TestForm2RandomPlay::windowAlwaysShowsWhatThePlayerDid() {
    const quint32 seed = qEnvironmentVariableIsSet("ZOOMKIN_PLAY_SEED")
                             ? qEnvironmentVariable("ZOOMKIN_PLAY_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    qInfo("random play seed %u (ZOOMKIN_PLAY_SEED=%u replays it)", seed, seed);
    QRandomGenerator random(seed);

    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    probe_.emplace(form);
    Model model;
    QPoint pointer(-1, -1);
    int races = 0, boxes = 0;

    const auto pointIn = [&](const QRect& rect) {
        const QRect inside = rect.intersected(clientArea());
        return QPoint(inside.left() + random.bounded(inside.width()),
                      inside.top() + random.bounded(inside.height()));
    };
    // A point over a kind of place the player may aim at, never where the pointer already is.
    const auto aim = [&] {
        QPoint p;
        do {
            switch (random.bounded(6)) {
            case 0:
                p = pointIn(Model::option(random.bounded(4)));
                break;
            case 1:
                p = pointIn(Model::cheer(random.bounded(4)));
                break; // shown or hidden
            case 2:
                p = pointIn(model.picture(random.bounded(4)));
                break;
            case 3:
                p = pointIn(Model::prompt());
                break;
            case 4:
                p = pointIn(QRect(0, 0, clientArea().width(), Model::picture0Top()));
                break; // the top rows and their gaps, above the first lane
            default:
                p = pointIn(clientArea());
                break;
            }
        } while (p == pointer);
        return p;
    };

    for (int event = 1; event <= kEvents; ++event) {
        QString action;
        const int roll = random.bounded(100);
        if (roll < 70) {
            pointer = aim();
            action = QStringLiteral("move to (%1,%2)").arg(pointer.x()).arg(pointer.y());
            probe_->moveTo(pointer);
            model.pointerMovedTo(pointer);
        } else if (roll < 88) {
            pointer = aim();
            action = QStringLiteral("click at (%1,%2)").arg(pointer.x()).arg(pointer.y());
            // a press somewhere new first moves the pointer there
            model.pointerMovedTo(pointer);
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              probe_->client()->mapTo(&form, pointer));
            model.clickedAt(pointer);
        } else if (roll < 98) {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Space};
            const Qt::Key key = keys[random.bounded(3)];
            action = QStringLiteral("key %1").arg(QKeySequence(key).toString());
            QTest::keyClick(form.focusWidget(), key);
            if (key == Qt::Key_Space)
                model.backed = model.focus;
            else
                model.arrow(key == Qt::Key_Left ? -1 : 1);
        } else {
            action = QStringLiteral("Go");
            QStringList expected;
            BoxCloser closer([&] {
                if (expected.isEmpty())
                    expected = probe_->expectedBoxes();
            });
            QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_G);
            QVERIFY2(!closer.seen.isEmpty(),
                     qPrintable(QStringLiteral("event %1: no box").arg(event)));
            QVERIFY2(closer.texts() == expected,
                     qPrintable(QStringLiteral("event %1: boxes %2, expected %3")
                                    .arg(event)
                                    .arg(closer.texts().join(QLatin1Char('|')),
                                         expected.join(QLatin1Char('|')))));
            model.left.fill(5200);
            // a window manager hands the window back its activation once the last box has
            // gone; the offscreen platform has none, so the test does
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            ++races;
            boxes += static_cast<int>(closer.seen.size());
        }
        const QString diff = difference(model);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                                .arg(seed)
                                                .arg(event)
                                                .arg(action, diff)));
    }
    qInfo("%d events, %d races, %d boxes", kEvents, races, boxes);
}

QTEST_MAIN(TestForm2RandomPlay)
#include "tst_form2_random_play.moc"
