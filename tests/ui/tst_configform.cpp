#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "BoxAnswers.h"
#include "config/ConfigRulesConfirm.h"
#include "ui/TConfigForm.h"

using namespace korvanta;

class TestConfigForm : public QObject {
    Q_OBJECT

private:
    ConfigStore config_;
    WashStore wash_;
    std::unique_ptr<TConfigForm> form_;
    int cleared_ = 0;

    template <typename T> T *Find(const char *name) {
        T *child = form_->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("control %s not found", name);
        return child;
    }
    QString LabelText(const char *name) { return Find<QLabel>(name)->text(); }
    QString EditText(const char *name) { return Find<QLineEdit>(name)->text(); }
    void Click(const char *name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    bool Down(const char *name) { return Find<QAbstractButton>(name)->isChecked(); }
    void Open() {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void AddCycle(std::vector<WashRecord> steps) {
        std::vector<WashRecord> records = {WashRecord::MakeCycleStart(1, "Cycle 1")};
        records.insert(records.end(), steps.begin(), steps.end());
        records.push_back(WashRecord::MakeCycleEnd());
        records.push_back(WashRecord::MakeDataEnd());
        wash_.data = WashData(records);
    }
    static WashRecord Step(RecordType type, int n, int value) {
        WashRecord record = WashRecord::MakeStep(type);
        record.SetCode(n, value);
        return record;
    }

private slots:
    void init() {
        config_ = ConfigStore{};
        wash_ = WashStore{};
        cleared_ = 0;
        form_ = std::make_unique<TConfigForm>(config_, wash_);
        form_->SetClearWashData([this] {
            ++cleared_;
            wash_.data.Clear();
        });
    }
    void cleanup() { form_.reset(); }

    void everyNamedControlIsThere() {
        const char *names[] = {"bSoapTypePrevious",
                               "bSoapTypeFourC",
                               "ComboBoxType",
                               "ComboBoxTypeFourC",
                               "STOffset",
                               "STDiameterTrommel",
                               "STDiameterKuip",
                               "STDiepteKuip",
                               "sbEnglish",
                               "sbMetric",
                               "eHeat",
                               "UpDownHeat",
                               "lHeatUnits",
                               "sbDrain1Valve",
                               "sbDrain1Pump",
                               "sbDrain2NoDrain",
                               "sbDrain2Valve",
                               "sbDrain2Pump",
                               "sbReuse",
                               "Edit1",
                               "UpDownSpinRetries",
                               "sbAdvance",
                               "sbAdvanceDisable",
                               "lAdvance",
                               "sbChemHold",
                               "sbChemHoldDisable",
                               "lChemHold",
                               "sbShowTemp",
                               "sbHideTemp",
                               "lShowTemp",
                               "ComboBoxLevelHysteresis",
                               "lLevelHystUnits",
                               "ComboBoxTempHysteresis",
                               "lTempHystUnits",
                               "eFlowrate",
                               "UpDownFlowRate",
                               "lFlowrateUnits",
                               "eColdTemp",
                               "UpDownColdTemp",
                               "lColdTempDegrees",
                               "eHotTemp",
                               "UpDownHotTemp",
                               "lHotTempDegrees",
                               "BitBtnOK",
                               "BitBtnCancel"};
        for (const char *name : names)
            QVERIFY2(form_->findChild<QWidget *>(QString::fromLatin1(name)), name);
        QCOMPARE(form_->objectName(), QStringLiteral("TConfigForm"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Machine configuration"));
        QCOMPARE(Find<QComboBox>("ComboBoxType")->count(), 18);
        QCOMPARE(Find<QComboBox>("ComboBoxTypeFourC")->count(), 10);
        QCOMPARE(Find<QComboBox>("ComboBoxTypeFourC")->itemText(9), QStringLiteral("Type 27"));
    }

    void opensWithTheDefaultConfiguration() {
        Open();
        QVERIFY(Down("bSoapTypeFourC"));
        QVERIFY(Find<QComboBox>("ComboBoxTypeFourC")->isVisible());
        QVERIFY(!Find<QComboBox>("ComboBoxType")->isVisible());
        QCOMPARE(form_->ShownType(), 18);
        QCOMPARE(LabelText("STOffset"), QStringLiteral("Offset : -90 mm"));
        QCOMPARE(LabelText("STDiepteKuip"), QStringLiteral("Depth tub : 380 mm"));
        QVERIFY(Down("sbMetric"));
        QCOMPARE(EditText("eHeat"), QStringLiteral("9"));
        QCOMPARE(EditText("Edit1"), QStringLiteral("5"));
        QCOMPARE(EditText("eColdTemp"), QStringLiteral("20"));
        QCOMPARE(EditText("eHotTemp"), QStringLiteral("75"));
        QCOMPARE(LabelText("lHotTempDegrees"), QString::fromUtf8("°C"));
        QCOMPARE(LabelText("lFlowrateUnits"), QStringLiteral("l"));
        QVERIFY(Down("sbDrain1Valve"));
        QVERIFY(Down("sbDrain2NoDrain"));
        QCOMPARE(Find<QPushButton>("sbReuse")->text(), QStringLiteral("Direct Fill"));
        QCOMPARE(Find<QPushButton>("sbDrain2Valve")->text(), QStringLiteral("Dual drain"));
        QVERIFY(!Find<QPushButton>("sbDrain2Pump")->isVisible());
        QVERIFY(Down("sbAdvance"));
        QVERIFY(Down("sbChemHoldDisable"));
        QVERIFY(Down("sbShowTemp"));
        QCOMPARE(Find<QComboBox>("ComboBoxLevelHysteresis")->currentText(), QStringLiteral("3"));
        QCOMPARE(LabelText("lLevelHystUnits"), QStringLiteral("cm"));
        QCOMPARE(Find<QComboBox>("ComboBoxTempHysteresis")->currentIndex(), 2);
    }

    void typeAndUnitRules() {
        Open();
        Click("bSoapTypePrevious");
        QVERIFY(Find<QComboBox>("ComboBoxType")->isVisible());
        Find<QComboBox>("ComboBoxType")->setCurrentIndex(0);
        QCOMPARE(Find<QPushButton>("sbReuse")->text(), QStringLiteral("Aux Fill"));
        QCOMPARE(Find<QPushButton>("sbDrain2Valve")->text(), QStringLiteral("Valve"));
        QVERIFY(Find<QPushButton>("sbDrain2Pump")->isVisible());
        Click("sbEnglish");
        QCOMPARE(LabelText("STOffset"), QStringLiteral("Offset : 1.5 inch"));
        QCOMPARE(EditText("eColdTemp"), QStringLiteral("68"));
        QCOMPARE(EditText("eHotTemp"), QStringLiteral("168"));
        QCOMPARE(LabelText("lColdTempDegrees"), QString::fromUtf8("°F"));
        QCOMPARE(Find<QComboBox>("ComboBoxLevelHysteresis")->currentText(), QStringLiteral("1"));
        QCOMPARE(LabelText("lLevelHystUnits"), QStringLiteral("inch"));
        QCOMPARE(Find<QComboBox>("ComboBoxTempHysteresis")->currentText(), QStringLiteral("4"));
        QCOMPARE(LabelText("lFlowrateUnits"), QStringLiteral("l (US gal.: 4.5 - Imp. gal.: 3.7 )"));
        Click("sbMetric");
        QCOMPARE(EditText("eColdTemp"), QStringLiteral("20"));
        QCOMPARE(EditText("eHotTemp"), QStringLiteral("76"));
        QCOMPARE(LabelText("STOffset"), QStringLiteral("Offset : 50 mm"));
    }

    // The flow field emptied while typing keeps the flow text and raises no box.
    void emptyFlowFieldKeepsTheText() {
        config_.config.units = 1;
        Open();
        BoxAnswers boxes;
        QLineEdit *flow = Find<QLineEdit>("eFlowrate");
        flow->clear();
        QTest::keyClicks(flow, "10");
        QCOMPARE(LabelText("lFlowrateUnits"), QStringLiteral("l (US gal.: 2.6 - Imp. gal.: 2.2 )"));
        flow->clear();
        QCOMPARE(LabelText("lFlowrateUnits"), QStringLiteral("l (US gal.: 2.6 - Imp. gal.: 2.2 )"));
        QTest::qWait(50);
        QVERIFY(boxes.Texts().isEmpty());
    }

    void coinTypeAndDualDrainEnabling() {
        Open();
        Click("bSoapTypePrevious");
        Find<QComboBox>("ComboBoxType")->setCurrentIndex(8);
        QVERIFY(!Find<QPushButton>("sbAdvance")->isEnabled());
        QVERIFY(!Find<QLabel>("lChemHold")->isEnabled());
        QVERIFY(Find<QPushButton>("sbShowTemp")->isEnabled());
        Click("bSoapTypeFourC");
        QVERIFY(Find<QPushButton>("sbAdvance")->isEnabled());
        QVERIFY(!Find<QPushButton>("sbHideTemp")->isEnabled());
        Click("sbDrain2Valve");
        QVERIFY(!Find<QPushButton>("sbDrain1Valve")->isEnabled());
        QVERIFY(!Find<QPushButton>("sbDrain1Pump")->isEnabled());
        Click("sbDrain2NoDrain");
        QVERIFY(Find<QPushButton>("sbDrain1Pump")->isEnabled());
    }

    void pumpGivesWayToNoDrainOnFourCompartmentTypes() {
        config_.config.machineType = 3;
        config_.config.drains = 0x21;
        Open();
        QVERIFY(Down("sbDrain2Pump"));
        Click("bSoapTypeFourC");
        QVERIFY(Down("sbDrain2NoDrain"));
        QVERIFY(!Find<QPushButton>("sbDrain2Pump")->isVisible());
    }

    void hysteresisIsStoredAtOnceAndSurvivesCancel() {
        Open();
        Find<QComboBox>("ComboBoxLevelHysteresis")->setCurrentIndex(0);
        Find<QComboBox>("ComboBoxTempHysteresis")->setCurrentIndex(3);
        Click("sbEnglish"); // the lists are refilled and select the stored choices again
        QCOMPARE(Find<QComboBox>("ComboBoxLevelHysteresis")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>("ComboBoxTempHysteresis")->currentText(), QStringLiteral("6"));
        Click("BitBtnCancel");
        QVERIFY(!form_->isVisible());
        QCOMPARE(config_.config.levelHysteresis, 0);
        QCOMPARE(config_.config.tempHysteresis, 3);
        QCOMPARE(config_.config.units, 0);
    }

    void generationChangeQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("clears");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 18 << 0;
        QTest::newRow("ok") << int(QMessageBox::Ok) << 0 << 1;
    }
    void generationChangeQuestion() {
        QFETCH(int, answer);
        QFETCH(int, type);
        QFETCH(int, clears);
        AddCycle({Step(RecordType::Drain, 1, 1)});
        Open();
        Click("bSoapTypePrevious");
        Click("sbEnglish");
        BoxAnswers boxes{static_cast<QMessageBox::StandardButton>(answer)};
        Click("BitBtnOK");
        QCOMPARE(boxes.Texts(),
                 QStringList{QStringLiteral("Changing machine type to CT3!\nThe washdata is not "
                                            "compatible and will be cleared!\nContinue?")});
        QCOMPARE(boxes.Titles(), QStringList{QStringLiteral("Korvanta Planner")});
        QVERIFY(!form_->isVisible());
        QCOMPARE(int(config_.config.machineType), type);
        QCOMPARE(cleared_, clears);
        QCOMPARE(config_.config.units, clears ? 1 : 0);
        QCOMPARE(wash_.data.IsEmpty(), clears == 1);
    }

    void okConvertsStepsAndSaysSo() {
        config_.config.machineType = 0;
        config_.config.inletOptions = 1;
        config_.config.drains = 0x11;
        AddCycle({Step(RecordType::Fill, 1, 0x04), Step(RecordType::Drain, 1, 2),
                  Step(RecordType::Wash, 5, 41)});
        Open();
        Click("sbReuse");
        Click("sbDrain2NoDrain");
        Find<QComboBox>("ComboBoxType")->setCurrentIndex(2);
        BoxAnswers boxes{QMessageBox::Ok, QMessageBox::Ok};
        Click("BitBtnOK");
        QCOMPARE(boxes.Texts(), (QStringList{QString::fromLatin1(kExtraInletMessage),
                                             QString::fromLatin1(kSecondDrainMessage)}));
        QCOMPARE(wash_.data.At(1).Code(1), 1);
        QCOMPARE(wash_.data.At(2).Code(1), 1);
        QCOMPARE(wash_.data.At(3).Code(5), 37);
        QCOMPARE(int(config_.config.machineType), 2);
        QCOMPARE(int(config_.config.drains), 0x01);
        QCOMPARE(int(config_.config.inletOptions), 0);
    }

    // Opened in English units and confirmed untouched, hot water of 75 degrees C is kept as
    // 76 (stored 152): an unsaved change; confirming again keeps 152.
    void englishRoundTripStores152() {
        config_.config.units = 1;
        config_.TakeSnapshot();
        for (int round = 0; round < 2; ++round) {
            Open();
            QCOMPARE(EditText("eHotTemp"), QStringLiteral("168"));
            Click("BitBtnOK");
            QCOMPARE(int(config_.config.hotInletTemp), 152);
            QCOMPARE(int(config_.config.coldInletTemp), 40);
        }
        QVERIFY(config_.Changed());
    }

    // An emptied number box keeps the value it held.
    void emptiedFieldsKeepTheirValues() {
        Open();
        for (const char *name : {"eHeat", "eFlowrate", "eHotTemp", "Edit1"})
            Find<QLineEdit>(name)->clear();
        Click("BitBtnOK");
        QCOMPARE(int(config_.config.heatKW), 9);
        QCOMPARE(int(config_.config.flowRate), 17);
        QCOMPARE(int(config_.config.hotInletTemp), 150);
        QCOMPARE(int(config_.config.spinRetries), 5);
        QVERIFY(!config_.Changed());
    }

    void typedValuesAreStored() {
        Open();
        QLineEdit *heat = Find<QLineEdit>("eHeat");
        heat->selectAll();
        QTest::keyClicks(heat, "12");
        QTest::keyClick(heat, Qt::Key_Return); // moves on, does not press OK
        QVERIFY(form_->isVisible());
        QTest::mouseClick(
            Find<QWidget>("UpDownSpinRetries")->findChildren<QAbstractButton *>().first(),
            Qt::LeftButton);
        Click("BitBtnOK");
        QCOMPARE(int(config_.config.heatKW), 12);
        QVERIFY(config_.config.spinRetries == 6 || config_.config.spinRetries == 4);
    }
};

QTEST_MAIN(TestConfigForm)
#include "tst_configform.moc"
