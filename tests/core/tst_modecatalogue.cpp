#include "keylight/modecatalogue.h"

#include <QtTest>

// The mode list and the pickers derive their order from the catalogue's list positions;
// these tests pin the derived orders, which no table states directly.
class TestModeCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void listOrder()
    {
        const std::array<int, Mode::Count> expected = {0, 1, 2, 3, 4, 5, 18, 7, 8, 9, 16,
                                                       12, 15, 10, 6, 11, 13, 14, 19, 20, 17};
        QCOMPARE(ModeCatalogue::listOrder(), expected);
    }

    void subModeChoices()
    {
        // "EMPTY" first; CUSTOM, GAME SNAKE, MULTILAYER and MULTIZONE are not offered.
        const std::array<int, 17> expected = {17, 0, 1, 2, 3, 5, 18, 7, 8, 9, 12, 15, 10, 6, 11,
                                              13, 14};
        QCOMPARE(ModeCatalogue::subModeChoices(), expected);
    }

    void facts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("background");
        QTest::addColumn<bool>("colourless");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("direction");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("ordinary");
        // The two rules that no catalogue row states: directions without up and down, and
        // what an unknown number means.
        QTest::newRow("circleSpectrum") << 13 << false << true << true << true << false << true;
        // Unknown numbers behave like a plain moving effect and are no page of their own.
        QTest::newRow("aboveRange") << 21 << false << false << true << false << true << false;
        QTest::newRow("belowRange") << -1 << false << false << true << false << true << false;
    }

    void facts()
    {
        QFETCH(int, mode);
        QFETCH(bool, background);
        QFETCH(bool, colourless);
        QFETCH(bool, speed);
        QFETCH(bool, direction);
        QFETCH(bool, vertical);
        QFETCH(bool, ordinary);
        QCOMPARE(ModeCatalogue::usesBackground(mode), background);
        QCOMPARE(ModeCatalogue::isColourless(mode), colourless);
        QCOMPARE(ModeCatalogue::hasSpeed(mode), speed);
        QCOMPARE(ModeCatalogue::hasDirection(mode), direction);
        QCOMPARE(ModeCatalogue::hasVerticalDirection(mode), vertical);
        QCOMPARE(ModeCatalogue::isOrdinary(mode), ordinary);
    }
};

QTEST_MAIN(TestModeCatalogue)
#include "tst_modecatalogue.moc"
