// A design typed into the main window and calculated gives what the command-line program prints
// for the same design: the window's results and the texts it shows are checked against the
// numbers of `zelk-cli calculate --json`, run as its own process.
#include "app/qt/design_input_panel.h"
#include "app/qt/message_service.h"
#include "app/qt/results_panel.h"
#include "tests/app/qt/qstring_printer.h"
#include "tests/app/qt/shown_main_window.h"
#include "units/qt/ex_combo.h"
#include "units/qt/ex_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

QJsonObject runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(ZELK_CLI_PATH), arguments);
    EXPECT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(cli.readAllStandardOutput(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

using MainWindowCliTest = apptest::ShownMainWindowTest;
using apptest::retype;

TEST_F(MainWindowCliTest, TypedDesignShowsWhatTheCommandLineProgramCalculates) {
    app::DesignInputPanel* in = m_window->inputs();
    in->unitType->setCurrentIndex(2);  // MarkII
    retype(in->pumpDepth->lineEdit(), QStringLiteral("6000"));
    retype(in->strokeLength->lineEdit(), QStringLiteral("120"));
    retype(in->pumpDiameter->lineEdit(), QStringLiteral("1.75"));
    in->anchoredTubing->setChecked(true);
    retype(in->rodNumber->lineEdit(), QStringLiteral("86"));
    retype(in->fluidSpecificGravity, QStringLiteral("0.95"));
    retype(in->tubingPressure, QStringLiteral("100"));
    retype(in->strokeRate, QStringLiteral("7.5"));
    ASSERT_TRUE(m_window->calculate());
    // No box while typing: "0" on the way to "0.95" is no gravity to warn about.
    for (const auto& message : app::MessageService::recorded()) {
        ADD_FAILURE() << message.text.toStdString();
    }

    const QJsonObject cli =
        runCli({QStringLiteral("calculate"), QStringLiteral("--json"),
                QStringLiteral("--set"),     QStringLiteral("UnitType=2"),
                QStringLiteral("--set"),     QStringLiteral("Depth=6000"),
                QStringLiteral("--set"),     QStringLiteral("StrokeLength=120"),
                QStringLiteral("--set"),     QStringLiteral("PumpDiameter=1.75"),
                QStringLiteral("--set"),     QStringLiteral("AnchoredTubing=true"),
                QStringLiteral("--set"),     QStringLiteral("RodNumber=86"),
                QStringLiteral("--set"),     QStringLiteral("FluidSpGrav=0.95"),
                QStringLiteral("--set"),     QStringLiteral("TubingPressure=100"),
                QStringLiteral("--set"),     QStringLiteral("StrokeRate=7.5")});
    ASSERT_FALSE(cli.isEmpty());

    // The same numbers, to the last bit (the program prints 17 significant digits).
    const ZelkEngine::ZelkResults& r = m_window->lastCalculation().Results;
    const std::pair<const char*, double> scalars[] = {
        {"PPRL", r.PPRL},
        {"MPRL", r.MPRL},
        {"ProductionRate", r.ProductionRate},
        {"PumpDisplacement", r.PumpDisplacement},
        {"PeakTorque", r.PeakTorque},
        {"CounterbalanceEffect", r.CounterbalanceEffect},
        {"MotorSize", r.MotorSize},
        {"PolishedRodPower", r.PolishedRodPower},
        {"TopRodLoading", r.TopRodLoading},
        {"FluidLoad", r.FluidLoad},
        {"StaticStretch", r.StaticStretch},
        {"Overtravel", r.Overtravel},
        {"MinGearboxRating", r.MinGearboxRating},
        {"MinStructureRating", r.MinStructureRating}};
    for (const auto& [key, shown] : scalars) {
        EXPECT_EQ(cli.value(QLatin1String(key)).toDouble(), shown) << key;
    }
    const QJsonArray load = cli.value(QStringLiteral("PolishedRodLoadCurve")).toArray();
    ASSERT_EQ(static_cast<std::size_t>(load.size()), r.PolishedRodLoadCurve.size());
    for (qsizetype i = 0; i < load.size(); ++i) {
        EXPECT_EQ(load.at(i).toDouble(), r.PolishedRodLoadCurve[static_cast<std::size_t>(i)]);
    }

    // What the window shows is the program's numbers in the window's formats.
    const std::vector<app::ResultRow>& rows = m_window->resultsPanel()->resultRows();
    const double production = cli.value(QStringLiteral("ProductionRate")).toDouble();
    EXPECT_EQ(rows.at(1).value,
              QString::asprintf(production >= 10 ? "%0.1f BBL/D" : "%0.2f BBL/D", production));
    EXPECT_EQ(rows.at(3).value,
              QString::asprintf("%0.1f %%", cli.value(QStringLiteral("TopRodLoading")).toDouble()));
    EXPECT_EQ(rows.at(4).value,
              QString::asprintf("%0.0f-%0.0f-120",
                                cli.value(QStringLiteral("MinGearboxRating")).toDouble(),
                                cli.value(QStringLiteral("MinStructureRating")).toDouble()));
    EXPECT_EQ(m_window->resultsPanel()->plotValues(app::ResultsPanel::CardsLeft).at(2),
              QString::asprintf("%0.3f", cli.value(QStringLiteral("FoOverSKr")).toDouble()));
}

}  // namespace
