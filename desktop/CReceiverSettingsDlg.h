#pragma once

#include "receiver/ReceiverSettings.h"
#include "receiver/RigModels.h"
#include "ui/jobs/BackgroundJob.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kavrin::orvale {

class ReceiverWorker;
struct ReceiverAnswer;

// "Receiver settings": the radio model from hamlib's list (sorted by maker and name; "Find"
// selects the first entry that contains the text typed), the address of a network model
// (HOST:PORT) or the device of another, and "Test", which opens the receiver so set, reads its
// frequency off the UI thread and says what came back or why nothing did. The address and the
// device are kept apart while the dialog is open, so trying another kind of model loses neither.
//
// hamlib's list is read off the UI thread when the dialog opens; until it is there (a few
// milliseconds) the model box shows the model of the settings and cannot be changed. OK and
// Cancel close the dialog at any time; the answer of a test still under way is dropped.
class CReceiverSettingsDlg : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_FIND_MODEL = 1201,
        IDC_MODEL = 1202,
        IDC_ADDRESS = 1203,
        IDC_TEST = 1204,
        IDC_TEST_RESULT = 1205,
    };

    // Shows `settings`; a model hamlib does not know shows as model 2 ("NET rigctl"). The tests
    // go through `worker`, which outlives the dialog.
    CReceiverSettingsDlg(const ReceiverSettings& settings, ReceiverWorker& worker,
                         QWidget* parent = nullptr);
    ~CReceiverSettingsDlg() override;

    // The model and the address (or device) as the dialog shows them.
    ReceiverSettings settings() const;

    bool hasModelList() const { return !m_models.empty(); }

    // What "Test" does: asks the receiver of settings() for its frequency, unless a test runs.
    void startTest();
    bool isTesting() const { return m_testing; }
    QString testResult() const;

    // Selects the first model whose entry ("Icom IC-R75 (3034)") contains `text`, ignoring
    // letter case; false (and the choice as it was) when none does or the list is not there yet.
    bool findModel(const QString& text);

signals:
    // A test's answer as the dialog shows it.
    void testAnswered(const QString& text);

private:
    void showModelList(std::vector<RigModel> models);
    void showAddressOfModel();
    bool isNetworkModel() const;
    void showAnswer(const ReceiverAnswer& answer);

    QLineEdit* m_find;
    QComboBox* m_model;
    QLabel* m_addressLabel;
    QLineEdit* m_address;
    QPushButton* m_test;
    QLabel* m_testResult;
    QPushButton* m_ok;
    QPushButton* m_cancel;

    ReceiverWorker& m_worker;
    ReceiverSettings m_initial;
    std::vector<RigModel> m_models; // in the order of the model box, once it is there
    QString m_networkAddress;
    QString m_devicePath;
    bool m_showsNetworkAddress = true;
    bool m_testing = false;
    BackgroundJob<std::vector<RigModel>> m_modelsJob; // last: joined before the rest goes
};

} // namespace kavrin::orvale
