// One race on a table of racers with a scripted or real generator and a recording message box.
#include "float_faults.h"
#include "race_run.h"
#include "runtime_error.h"
#include "scripted_race.h"
#include "window_race_services.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

using testing::EventLog;
using testing::ScriptedServices;
using testing::TableTrack;
using Texts = std::vector<std::string>;
using Positions = std::array<float, 4>;

namespace {

constexpr Positions kFromStartLine{5200, 5200, 5200, 5200};
constexpr Positions kFromStoredLayout{6120, 6120, 6120, 6240};

} // namespace

class TestRaceRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void announcesFinishers_data();
    void announcesFinishers();
    void landingExactlyOnTheFinishLineFinishes();
    void stepsAreDrawnForAllBeforeAnyMoves();
    void raceStartingWithAFinishedRacerRunsNoTurn();
    void everyRaceEndsWithAllAtTheStartLine();
    void pickLastsAcrossRaces();
    void extremeStepsGiveTheTurnBounds_data();
    void extremeStepsGiveTheTurnBounds();
    void randomRacesStayWithinTheBounds();
    void stepOutOfRangeIsAnOverflowError();
    void floatingPointFaultInADrawStopsBeforeTheConversion();
    void floatingPointFaultInAMoveStopsBeforeTheWrite();
    void floatingPointFaultsBecomeRuntimeErrors();
    void flagsLeftBeforeTheRaceDoNotCount();
};

// Racers that are 10 twips from the finish finish on the first turn with steps of 10.
void TestRaceRun::announcesFinishers_data() {
    QTest::addColumn<QList<int>>("closeToFinish");
    QTest::addColumn<int>("backed");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("backed racer alone")
        << QList<int>{3} << 3 << QStringList{"You won the Zoomkin Race!"};
    QTest::newRow("another racer alone")
        << QList<int>{1} << 3 << QStringList{"Dorvit won the Zoomkin Race!"};
    QTest::newRow("2 and 4, 4 backed")
        << QList<int>{2, 4} << 4
        << QStringList{"Marnox won the Zoomkin Race!", "You won the Zoomkin Race!"};
    QTest::newRow("2 and 4, 2 backed")
        << QList<int>{2, 4} << 2
        << QStringList{"You won the Zoomkin Race!", "Bazzle won the Zoomkin Race!"};
    QTest::newRow("no pick, three finish")
        << QList<int>{1, 3, 4} << 0
        << QStringList{"Dorvit won the Zoomkin Race!", "Rufta won the Zoomkin Race!",
                       "Bazzle won the Zoomkin Race!"};
    QTest::newRow("no pick, one finishes")
        << QList<int>{4} << 0 << QStringList{"Bazzle won the Zoomkin Race!"};
    for (int backed = 0; backed <= 4; ++backed)
        QTest::addRow("tie, backed %d", backed)
            << QList<int>{1, 2, 3, 4} << backed << QStringList{"The Zoomkin Race is a tie!"};
}

void TestRaceRun::announcesFinishers() {
    QFETCH(QList<int>, closeToFinish);
    QFETCH(int, backed);
    QFETCH(QStringList, boxes);
    Positions start{3000, 3000, 3000, 3000};
    for (int racer : closeToFinish)
        start[static_cast<std::size_t>(racer - 1)] = 10;
    TableTrack track(start, backed);
    auto services = ScriptedServices::steps({10});

    QCOMPARE(race::runRace(track, services), 1);

    Texts expected;
    for (const QString& box : boxes)
        expected.push_back(box.toStdString());
    QCOMPARE(services.announcements, expected);
}

void TestRaceRun::landingExactlyOnTheFinishLineFinishes() {
    TableTrack track({59, 5000, 5000, 5000});
    auto services = ScriptedServices::steps({59, 10, 10, 10});
    Positions seen{};
    services.onAnnounce = [&] { seen = track.positions; };

    QCOMPARE(race::runRace(track, services), 1);

    QCOMPARE(services.announcements, Texts{"Dorvit won the Zoomkin Race!"});
    QCOMPARE(seen, (Positions{0, 4990, 4990, 4990}));
}

void TestRaceRun::stepsAreDrawnForAllBeforeAnyMoves() {
    EventLog log;
    testing::LoggedTrack track({100, 200, 300, 20}, log);
    auto services = ScriptedServices::steps({15, 25, 35, 45}, &log);

    race::runRace(track, services);

    const EventLog expected{
        "randomize",
        // the test reads all four racers, then the four steps are drawn, then each moves
        "get1", "get2", "get3", "get4", "rnd", "rnd", "rnd", "rnd", "get1", "set1=85", "get2",
        "set2=175", "get3", "set3=265", "get4", "set4=-25", "get1", "get2", "get3",
        "get4",                         // the test that ends the race
        "get1", "get2", "get3", "get4", // the tie test
        // each racer is tested twice, each test reading its position and its pick afresh
        "get1", "pick1", "get1", "pick1", "get2", "pick2", "get2", "pick2", "get3", "pick3", "get3",
        "pick3", "get4", "pick4", "get4", "pick4", "box:Bazzle won the Zoomkin Race!", "set1=5200",
        "set2=5200", "set3=5200", "set4=5200"};
    QCOMPARE(log, expected);
}

void TestRaceRun::raceStartingWithAFinishedRacerRunsNoTurn() {
    TableTrack track({5000, 0, 5000, -3}, 2);
    auto services = ScriptedServices::steps({30});

    QCOMPARE(race::runRace(track, services), 0);

    QCOMPARE(services.draws, 0L);
    QCOMPARE(services.randomizeCalls, 1L);
    QCOMPARE(services.announcements,
             (Texts{"You won the Zoomkin Race!", "Bazzle won the Zoomkin Race!"}));
    QCOMPARE(track.positions, kFromStartLine);
}

void TestRaceRun::everyRaceEndsWithAllAtTheStartLine() {
    TableTrack track(kFromStoredLayout, 1);
    ScriptedServices services; // the real generator
    for (int race = 0; race < 3; ++race) {
        race::runRace(track, services);
        QCOMPARE(track.positions, kFromStartLine);
    }
    // a tie resets too
    TableTrack tied({10, 10, 10, 10});
    auto tenEach = ScriptedServices::steps({10});
    race::runRace(tied, tenEach);
    QCOMPARE(tied.positions, kFromStartLine);
}

void TestRaceRun::pickLastsAcrossRaces() {
    // Rufta always takes the longest step, so it wins every race, and it stays backed
    TableTrack track(kFromStartLine, 3);
    auto services = ScriptedServices::steps({10, 10, 59, 10});
    for (int race = 0; race < 3; ++race)
        race::runRace(track, services);
    QCOMPARE(services.announcements, Texts(3, "You won the Zoomkin Race!"));
    QCOMPARE(track.backed, 3);
}

void TestRaceRun::extremeStepsGiveTheTurnBounds_data() {
    QTest::addColumn<Positions>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("turns");
    QTest::addColumn<int>("boxes");
    QTest::newRow("start line, longest steps") << kFromStartLine << 59 << 89 << 1;
    QTest::newRow("start line, shortest steps") << kFromStartLine << 10 << 520 << 1;
    // racer 4 starts 120 twips further back, so it is the one that does not finish
    QTest::newRow("stored layout, longest steps") << kFromStoredLayout << 59 << 104 << 3;
    QTest::newRow("stored layout, shortest steps") << kFromStoredLayout << 10 << 612 << 3;
}

void TestRaceRun::extremeStepsGiveTheTurnBounds() {
    QFETCH(Positions, start);
    QFETCH(int, step);
    TableTrack track(start);
    auto services = ScriptedServices::steps({step});
    QTEST(race::runRace(track, services), "turns");
    QTEST(static_cast<int>(services.announcements.size()), "boxes");
}

void TestRaceRun::randomRacesStayWithinTheBounds() {
    struct Case {
        Positions start;
        int fewestTurns;
        int mostTurns;
    };
    for (const Case& c : {Case{kFromStartLine, 89, 520}, Case{kFromStoredLayout, 104, 612}}) {
        for (int race = 0; race < 500; ++race) {
            TableTrack track(c.start);
            ScriptedServices services; // the real generator
            Positions seen{};
            services.onAnnounce = [&] { seen = track.positions; };
            const int turns = race::runRace(track, services);
            QVERIFY2(turns >= c.fewestTurns && turns <= c.mostTurns,
                     qPrintable(QString::number(turns)));
            QVERIFY(!services.announcements.empty());
            for (float position : seen) {
                QCOMPARE(position, std::floor(position)); // whole twips throughout
                if (position <= 0)
                    QVERIFY2(position >= -58, qPrintable(QString::number(position)));
            }
        }
    }
}

void TestRaceRun::stepOutOfRangeIsAnOverflowError() {
    TableTrack track(kFromStartLine);
    ScriptedServices services({1e30f});
    try {
        race::runRace(track, services);
        QFAIL("a step beyond 16 bits must raise a runtime error");
    } catch (const runtime::RuntimeError& error) {
        QCOMPARE(error.code(), runtime::ErrorCode::Overflow);
    }
    QCOMPARE(track.positions, kFromStartLine); // nothing moved, nothing announced
}

void TestRaceRun::floatingPointFaultInADrawStopsBeforeTheConversion() {
    EventLog log;
    testing::LoggedTrack track(kFromStartLine, log);
    ScriptedServices services({std::numeric_limits<float>::signaling_NaN()}, &log);
    QVERIFY_THROWS_EXCEPTION(testing::FloatingPointFault, race::runRace(track, services));
    QCOMPARE(log.back(), "rnd");
    QCOMPARE(services.draws, 1L);
}

namespace {
// Holds racer 1 at 100 for the finish test but hands the move a signalling NaN.
class PoisonedMoveTrack : public TableTrack {
public:
    PoisonedMoveTrack() : TableTrack({100, 100, 100, 100}) {}
    float position(int racer) const override {
        return racer == 1 && ++reads > 1 ? std::numeric_limits<float>::signaling_NaN()
                                         : TableTrack::position(racer);
    }
    int writes = 0;
    void setPosition(int racer, float twips) override {
        ++writes;
        TableTrack::setPosition(racer, twips);
    }
    mutable int reads = 0;
};
} // namespace

void TestRaceRun::floatingPointFaultInAMoveStopsBeforeTheWrite() {
    PoisonedMoveTrack track;
    auto services = ScriptedServices::steps({20});
    try {
        race::runRace(track, services);
        QFAIL("an invalid subtraction must raise the floating-point error");
    } catch (const testing::FloatingPointFault& fault) {
        QCOMPARE(fault.fault, race::FloatFault::Invalid);
    }
    QCOMPARE(track.writes, 0);
}

void TestRaceRun::floatingPointFaultsBecomeRuntimeErrors() {
    // the error the window's services raise for a step whose arithmetic went wrong this way
    const auto codeFor = [](float (*step)(float)) {
        race::clearFloatFaults();
        volatile float input = 0;
        volatile float result = step(input);
        (void)result;
        const auto fault = race::raisedFloatFault();
        race::clearFloatFaults();
        try {
            window::WindowRaceServices(nullptr).floatingPointFault(fault.value());
        } catch (const runtime::RuntimeError& error) {
            return error.code();
        }
        return runtime::ErrorCode{};
    };
    QCOMPARE(codeFor([](float zero) { return 1 / zero; }), runtime::ErrorCode::DivisionByZero);
    QCOMPARE(codeFor([](float zero) { return (zero + 3e38f) * 10; }), runtime::ErrorCode::Overflow);
    QCOMPARE(codeFor([](float zero) { return zero / zero; }), runtime::ErrorCode::InvalidArgument);
}

void TestRaceRun::flagsLeftBeforeTheRaceDoNotCount() {
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    TableTrack track(kFromStartLine);
    auto services = ScriptedServices::steps({40});
    QCOMPARE(race::runRace(track, services), 130);
}

QTEST_APPLESS_MAIN(TestRaceRun)
#include "tst_race_run.moc"
