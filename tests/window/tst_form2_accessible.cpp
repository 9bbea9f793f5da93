// What a screen reader finds in the window: every control with a name a player would expect, its
// role, and which racer is backed.
#include "form2_probe.h"

#include <QAccessible>
#include <QTest>

using testing::Form2Probe;

namespace {

struct Node {
    QAccessible::Role role;
    QString name;
    bool checked;
    bool invisible;
};

void collect(QAccessibleInterface* node, QList<Node>& nodes) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        nodes.append({child->role(), child->text(QAccessible::Name), child->state().checked != 0,
                      child->state().invisible != 0});
        collect(child, nodes);
    }
}

QList<Node> nodesWithRole(const QList<Node>& nodes, QAccessible::Role role) {
    QList<Node> found;
    for (const Node& node : nodes)
        if (node.role == role)
            found.append(node);
    return found;
}

QStringList names(const QList<Node>& nodes) {
    QStringList result;
    for (const Node& node : nodes)
        result << node.name;
    return result;
}

} // namespace

class TestForm2Accessible : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowReadsSensibly();
    void promptLabelsWhereTheFocusEntersTheOptions_data();
    void promptLabelsWhereTheFocusEntersTheOptions();
};

void TestForm2Accessible::windowReadsSensibly() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    QTest::mouseClick(Form2Probe(form).option(3), Qt::LeftButton);

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(root);
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), testing::text(window::form2Description().caption));
    QList<Node> nodes;
    collect(root, nodes);

    const QList<Node> options = nodesWithRole(nodes, QAccessible::RadioButton);
    QStringList racers, cheers{testing::text(testing::storedPrompt().caption)};
    for (const race::Racer& racer : race::kRoster) {
        racers << testing::text(racer.name);
        cheers << testing::text(racer.cheer);
    }
    QCOMPARE(names(options), racers);
    for (const Node& option : options)
        QCOMPARE(option.checked, option.name == testing::text(race::racer(3).name));

    const QList<Node> pictures = nodesWithRole(nodes, QAccessible::Graphic);
    QCOMPARE(names(pictures), racers);

    const QList<Node> texts = nodesWithRole(nodes, QAccessible::StaticText);
    QCOMPARE(names(texts), cheers); // the prompt, then the cheers
    for (const Node& cheer : texts.mid(1))
        QVERIFY2(cheer.invisible, qPrintable(cheer.name)); // hidden cheers are not read out

    QVERIFY(names(nodesWithRole(nodes, QAccessible::MenuItem)).contains(QStringLiteral("Race")));
}

void TestForm2Accessible::promptLabelsWhereTheFocusEntersTheOptions_data() {
    QTest::addColumn<int>("backed"); // 0: nobody
    QTest::addColumn<int>("entry");
    QTest::newRow("nobody backed") << 0 << 1;
    QTest::newRow("Rufta backed") << 3 << 3;
}

// Tab enters the options at the backed racer's, or at the first (the keyboard suite pins that): a
// screen reader says the prompt there, as the label of the group.
void TestForm2Accessible::promptLabelsWhereTheFocusEntersTheOptions() {
    QFETCH(int, backed);
    QFETCH(int, entry);
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    if (backed)
        QTest::mouseClick(probe.option(backed), Qt::LeftButton);
    for (int racer = 1; racer <= race::kRacerCount; ++racer) {
        QStringList labels;
        const auto relations = QAccessible::queryAccessibleInterface(probe.option(racer))
                                   ->relations(QAccessible::Label);
        for (const auto& [label, relation] : relations)
            labels << label->text(QAccessible::Name);
        QCOMPARE(labels, racer == entry ? QStringList{probe.prompt()->text()} : QStringList{});
    }
}

QTEST_MAIN(TestForm2Accessible)
#include "tst_form2_accessible.moc"
