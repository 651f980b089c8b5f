#include "desktop/CReceiverSettingsDlg.h"

#include "core/tuning/ReceiverText.h"
#include "desktop/ReceiverWorker.h"
#include "ui/dialogs/ControlId.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kavrin::orvale {

namespace {

constexpr int kModelsLoaded = 1;

} // namespace

CReceiverSettingsDlg::CReceiverSettingsDlg(const ReceiverSettings& settings, ReceiverWorker& worker,
                                           QWidget* parent)
    : QDialog(parent), m_find(new QLineEdit(this)), m_model(new QComboBox(this)),
      m_addressLabel(new QLabel(this)), m_address(new QLineEdit(this)),
      m_test(new QPushButton(tr("&Test"), this)), m_testResult(new QLabel(this)),
      m_ok(new QPushButton(tr("OK"), this)), m_cancel(new QPushButton(tr("Cancel"), this)),
      m_worker(worker), m_initial(settings),
      m_modelsJob(this, [this](const Notice&) { showModelList(m_modelsJob.finish()); })
{
    setWindowTitle(tr("Receiver settings"));
    setControlId(m_find, IDC_FIND_MODEL);
    setControlId(m_model, IDC_MODEL);
    setControlId(m_address, IDC_ADDRESS);
    setControlId(m_test, IDC_TEST);
    setControlId(m_testResult, IDC_TEST_RESULT);
    setControlId(m_ok, IDOK);
    setControlId(m_cancel, IDCANCEL);

    m_find->setPlaceholderText(tr("Part of the maker's or the model's name"));
    m_find->setClearButtonEnabled(true);
    m_find->setEnabled(false);
    connect(m_find, &QLineEdit::textEdited, this, &CReceiverSettingsDlg::findModel);

    m_model->addItem(tr("Model %1").arg(settings.model));
    m_model->setEnabled(false);
    m_model->setMaxVisibleItems(20);
    m_model->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    const QString address = QString::fromStdString(settings.address);
    // Until the list tells, the model of the settings counts as a network model when it is the
    // network one.
    m_showsNetworkAddress = settings.model == kNetworkRigModel;
    m_networkAddress =
        m_showsNetworkAddress ? address : QString::fromLatin1(kDefaultReceiverAddress);
    m_devicePath = m_showsNetworkAddress ? QString() : address;
    m_address->setText(address);
    showAddressOfModel();

    m_testResult->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_testResult->setWordWrap(true);
    m_testResult->setTextFormat(Qt::PlainText);
    m_testResult->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for three lines, so a long reason does not make the dialog jump.
    m_testResult->setMinimumHeight(3 * fontMetrics().lineSpacing() +
                                   2 * m_testResult->frameWidth() + 4);
    m_testResult->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    connect(m_test, &QPushButton::clicked, this, &CReceiverSettingsDlg::startTest);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Find:"), m_find);
    form->addRow(tr("&Model:"), m_model);
    form->addRow(m_addressLabel, m_address);
    auto* test = new QHBoxLayout;
    test->addWidget(m_test, 0, Qt::AlignTop);
    test->addWidget(m_testResult, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(test);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!m_modelsJob.start([](NoticeChannel&) { return rigModels(); }, kModelsLoaded))
        showModelList(rigModels()); // read here instead: it takes a few milliseconds
}

CReceiverSettingsDlg::~CReceiverSettingsDlg() = default;

void CReceiverSettingsDlg::showModelList(std::vector<RigModel> models)
{
    m_models = std::move(models);
    if (m_models.empty())
        return;
    int chosen = -1;
    int network = -1;
    m_model->clear();
    for (const RigModel& model : m_models) {
        m_model->addItem(
            tr("%1 %2 (%3)")
                .arg(QString::fromStdString(model.maker), QString::fromStdString(model.name))
                .arg(model.number));
        if (model.number == m_initial.model)
            chosen = m_model->count() - 1;
        if (model.number == kNetworkRigModel)
            network = m_model->count() - 1;
    }
    m_model->setCurrentIndex(chosen >= 0 ? chosen : network);
    m_model->setEnabled(true);
    m_find->setEnabled(true);
    showAddressOfModel();
    connect(m_model, &QComboBox::currentIndexChanged, this,
            &CReceiverSettingsDlg::showAddressOfModel);
}

ReceiverSettings CReceiverSettingsDlg::settings() const
{
    ReceiverSettings chosen;
    const int index = m_model->currentIndex();
    chosen.model = hasModelList() && index >= 0 ? m_models[static_cast<std::size_t>(index)].number
                                                : m_initial.model;
    chosen.address = m_address->text().trimmed().toStdString();
    return chosen;
}

void CReceiverSettingsDlg::startTest()
{
    if (m_testing)
        return;
    m_testing = true;
    m_test->setEnabled(false);
    m_testResult->setText(tr("Asking the receiver..."));
    QPointer<CReceiverSettingsDlg> dialog(this);
    m_worker.readFrequency(settings(), ReceiverWorker::Turn::User,
                           [dialog](const ReceiverAnswer& answer) {
                               if (dialog)
                                   dialog->showAnswer(answer);
                           });
}

void CReceiverSettingsDlg::showAnswer(const ReceiverAnswer& answer)
{
    m_testing = false;
    m_test->setEnabled(true);
    const QString text =
        answer.result ? tr("The receiver answered: it is tuned to %1.")
                            .arg(QString::fromStdU16String(receiverFrequencyText(answer.mhz)))
                      : tr("No answer: %1").arg(QString::fromStdString(answer.result.reason()));
    m_testResult->setText(text);
    emit testAnswered(text);
}

QString CReceiverSettingsDlg::testResult() const
{
    return m_testResult->text();
}

bool CReceiverSettingsDlg::findModel(const QString& text)
{
    if (!hasModelList() || text.trimmed().isEmpty())
        return false;
    const int found = m_model->findText(text.trimmed(), Qt::MatchContains);
    if (found < 0)
        return false;
    m_model->setCurrentIndex(found);
    return true;
}

void CReceiverSettingsDlg::showAddressOfModel()
{
    const bool network = isNetworkModel();
    if (network != m_showsNetworkAddress) {
        (m_showsNetworkAddress ? m_networkAddress : m_devicePath) = m_address->text();
        m_address->setText(network ? m_networkAddress : m_devicePath);
        m_showsNetworkAddress = network;
    }
    m_addressLabel->setText(network ? tr("&Address:") : tr("&Device:"));
    m_addressLabel->setBuddy(m_address);
    m_address->setPlaceholderText(network ? tr("host:port, as localhost:4532")
                                          : tr("the model's own, or as /dev/ttyUSB0"));
}

bool CReceiverSettingsDlg::isNetworkModel() const
{
    if (!hasModelList())
        return m_showsNetworkAddress;
    const int index = m_model->currentIndex();
    return index >= 0 && m_models[static_cast<std::size_t>(index)].network;
}

} // namespace kavrin::orvale
