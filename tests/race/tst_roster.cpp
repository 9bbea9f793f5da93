// The fixed roster: four racers in roster order with their texts and controls, and no fifth.
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

void TestRoster::eachPositionYieldsItsRacer_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("cheer");
    QTest::addColumn<QString>("winMessage");
    QTest::newRow("1") << 1 << "Dorvit"
                       << "imgDorvit"
                       << "optDor"
                       << "Label2"
                       << "Dor, Dor, Viiiiiiit!"
                       << "Dorvit won the Zoomkin Race!";
    QTest::newRow("2") << 2 << "Marnox"
                       << "imgMarnox"
                       << "optMar"
                       << "Label3"
                       << "Marn, Marnox, Marn!!!"
                       << "Marnox won the Zoomkin Race!";
    QTest::newRow("3") << 3 << "Rufta"
                       << "imgRufta"
                       << "optRuf"
                       << "Label4"
                       << "Rufta, Ruftaaaa!"
                       << "Rufta won the Zoomkin Race!";
    QTest::newRow("4") << 4 << "Bazzle"
                       << "imgBazzle"
                       << "optBzl"
                       << "Label5"
                       << "Bazzle!"
                       << "Bazzle won the Zoomkin Race!";
}

void TestRoster::eachPositionYieldsItsRacer() {
    QFETCH(int, position);
    const race::Racer& racer = race::racer(position);
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    QTEST(text(racer.name), "name");
    QTEST(text(racer.image), "image");
    QTEST(text(racer.option), "option");
    QTEST(text(racer.cheerLabel), "label");
    QTEST(text(racer.cheer), "cheer");
    QTEST(text(racer.winMessage), "winMessage");
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
