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
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(Form2Probe(form).option("optRuf"), Qt::LeftButton);

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(root);
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Zoomkin Race!"));
    QList<Node> nodes;
    collect(root, nodes);

    const QList<Node> options = nodesWithRole(nodes, QAccessible::RadioButton);
    QCOMPARE(names(options), (QStringList{"Dorvit", "Marnox", "Rufta", "Bazzle"}));
    for (const Node& option : options)
        QCOMPARE(option.checked, option.name == QLatin1String("Rufta"));

    const QList<Node> pictures = nodesWithRole(nodes, QAccessible::Graphic);
    QCOMPARE(names(pictures), (QStringList{"Dorvit", "Marnox", "Rufta", "Bazzle"}));

    const QList<Node> texts = nodesWithRole(nodes, QAccessible::StaticText);
    QCOMPARE(names(texts), (QStringList{"Select your Zoomkin...", "Dor, Dor, Viiiiiiit!",
                                        "Marn, Marnox, Marn!!!", "Rufta, Ruftaaaa!", "Bazzle!"}));
    for (const Node& cheer : texts.mid(1))
        QVERIFY2(cheer.invisible, qPrintable(cheer.name)); // hidden cheers are not read out

    QVERIFY(names(nodesWithRole(nodes, QAccessible::MenuItem)).contains(QStringLiteral("Race")));
}

void TestForm2Accessible::promptLabelsWhereTheFocusEntersTheOptions_data() {
    QTest::addColumn<QString>("backed");
    QTest::addColumn<QString>("entry");
    QTest::newRow("nobody backed") << QString() << "optDor";
    QTest::newRow("Rufta backed") << "optRuf"
                                  << "optRuf";
}

// Tab enters the options at the backed racer's, or at the first (the keyboard suite pins that): a
// screen reader says the prompt there, as the label of the group.
void TestForm2Accessible::promptLabelsWhereTheFocusEntersTheOptions() {
    QFETCH(QString, backed);
    QFETCH(QString, entry);
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2Probe probe(form);
    if (!backed.isEmpty())
        QTest::mouseClick(probe.option(qPrintable(backed)), Qt::LeftButton);
    for (const char* name : {"optDor", "optMar", "optRuf", "optBzl"}) {
        QStringList labels;
        const auto relations = QAccessible::queryAccessibleInterface(probe.option(name))
                                   ->relations(QAccessible::Label);
        for (const auto& [label, relation] : relations)
            labels << label->text(QAccessible::Name);
        QCOMPARE(labels, name == entry ? QStringList{"Select your Zoomkin..."} : QStringList{});
    }
}

QTEST_MAIN(TestForm2Accessible)
#include "tst_form2_accessible.moc"
