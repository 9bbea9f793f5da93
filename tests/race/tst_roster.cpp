// The fixed roster: four racers in roster order with their win messages, and no fifth.
#include "roster.h"

#include <QTest>

#include <stdexcept>

class TestRoster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachPositionYieldsItsRacer_data();
    void eachPositionYieldsItsRacer();
    void noRacerOutsideOneToFour();
    void winMessageIsNameThenWonTheRace();
};

// The controls' names and captions are the window's to check (the layout test spells them out);
// here, what the race announces for each position.
void TestRoster::eachPositionYieldsItsRacer_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("winMessage");
    QTest::newRow("1") << 1 << "Dorvit won the Zoomkin Race!";
    QTest::newRow("2") << 2 << "Marnox won the Zoomkin Race!";
    QTest::newRow("3") << 3 << "Rufta won the Zoomkin Race!";
    QTest::newRow("4") << 4 << "Bazzle won the Zoomkin Race!";
}

void TestRoster::eachPositionYieldsItsRacer() {
    QFETCH(int, position);
    const std::string_view message = race::racer(position).winMessage;
    QTEST(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), "winMessage");
}

void TestRoster::noRacerOutsideOneToFour() {
    QCOMPARE(race::kRoster.size(), std::size_t{4});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, race::racer(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, race::racer(5));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, race::racer(-1));
}

void TestRoster::winMessageIsNameThenWonTheRace() {
    for (const race::Racer& racer : race::kRoster)
        QCOMPARE(std::string(racer.winMessage), std::string(racer.name) + " won the Zoomkin Race!");
    QCOMPARE(race::kYouWon, std::string_view("You won the Zoomkin Race!"));
    QCOMPARE(race::kTie, std::string_view("The Zoomkin Race is a tie!"));
}

QTEST_APPLESS_MAIN(TestRoster)
#include "tst_roster.moc"
