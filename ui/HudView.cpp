#include "HudView.h"

#include "AppManager.h"
#include "ApplyFontToChildren.h"
#include "FileManager.h"
#include "FitHeightToHtml.h"
#include "HudSizing.h"
#include "SettingsValue.h"
#include "ui_HudView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFileDialog>
#include <QFontMetrics>
#include <QProcess>
#include <QStyle>
#include <iterator>

namespace {

struct LanguageEntry
{
    const char *source;
    const char *comment;
};

// Combo index i is language number i + 1.
const LanguageEntry languages[] = {
    QT_TRANSLATE_NOOP3("HudView", "China", "简体中文"),
    QT_TRANSLATE_NOOP3("HudView", "TraditionalChinese", "繁体中文"),
    QT_TRANSLATE_NOOP3("HudView", "English", "英语"),
    QT_TRANSLATE_NOOP3("HudView", "Arabic", "阿拉伯语"),
    QT_TRANSLATE_NOOP3("HudView", "German", "德国"),
    QT_TRANSLATE_NOOP3("HudView", "Greek", "希腊语"),
    QT_TRANSLATE_NOOP3("HudView", "Japanese", "日本語"),
    QT_TRANSLATE_NOOP3("HudView", "Hebrew", "希伯来"),
    QT_TRANSLATE_NOOP3("HudView", "Italian", "意大利"),
    QT_TRANSLATE_NOOP3("HudView", "Korean", "韩语"),
    QT_TRANSLATE_NOOP3("HudView", "Polish", "波兰语"),
    QT_TRANSLATE_NOOP3("HudView", "Russian", "俄语"),
    QT_TRANSLATE_NOOP3("HudView", "Slovakia", "斯洛伐克"),
    QT_TRANSLATE_NOOP3("HudView", "Thai", "泰国语"),
    QT_TRANSLATE_NOOP3("HudView", "Turkish", "土耳其"),
    QT_TRANSLATE_NOOP3("HudView", "Ukrainian", "乌克兰"),
    QT_TRANSLATE_NOOP3("HudView", "Dutch", "荷兰"),
    QT_TRANSLATE_NOOP3("HudView", "Czech", "捷克语"),
    QT_TRANSLATE_NOOP3("HudView", "Vietnamese", "越南语"),
};

const int messageWidth = 300;
const int aboutWidth = 390;

FileManager *desktopFileManager()
{
    static FileManager manager;
    return &manager;
}

QFont measuringFont(QWidget *widget)
{
    widget->ensurePolished();
    QFont font = widget->font();
    font.setFamily(AppManager::instance()->fontFamily());
    return font;
}

} // namespace

HudView::HudView(const QString &title, const QString &message, int page, const QString &actionName,
                 QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::HudView>())
    , m_fileManager(desktopFileManager())
    , m_title(title.isEmpty() ? tr("提示", "通用提示") : title)
    , m_message(message)
    , m_actionName(actionName)
    , m_page(page)
{
    ui->setupUi(this);
    ui->comboBox->setStyleSheet(QStringLiteral(
        "QComboBox {border: none;font-size: 12pt;background-color: #f0f0f0;}color: white;"
        "QComboBox::down-arrow {image: url(:/Resources/PlayTool/xiangxia.png);}"));
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::NoDropShadowWindowHint);
    ui->stackedWidget->setCurrentIndex(page);
    // Only the shown page may decide the dialog's size.
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        if (i != page)
            ui->stackedWidget->widget(i)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }

    if (page == 4) {
        const QString sort = settingsValue(QStringLiteral("userselectListSort"));
        QAbstractButton *checked = ui->sortButtonThree;
        if (sort == QLatin1String("1"))
            checked = ui->sortButtonOne;
        else if (sort == QLatin1String("2"))
            checked = ui->sortButtonTwo;
        else if (sort == QLatin1String("4"))
            checked = ui->sortButtonFour;
        checked->setChecked(true);
    } else if (page == 2) {
        AppManager *manager = AppManager::instance();
        fillLanguages();
        ui->comboBox->setCurrentIndex(manager->languageNumber() - 1);
        (manager->speedUnitType() == 1 ? ui->speedButonnPMH : ui->speedButonnKMH)->setChecked(true);
        (manager->mapType() == 1 ? ui->mapTypeOne : ui->mapType)->setChecked(true);
        QAbstractButton *modes[] = {ui->playModelOne, ui->playModelTwo, ui->playModelThree};
        const int mode = manager->playModelType();
        if (mode >= 0 && mode < int(std::size(modes)))
            modes[mode]->setChecked(true);
    }
    applyTexts();
    sizeToPage();
    centreOnParent();
    m_constructed = true;
    applyFontToChildren(this);
}

HudView::~HudView()
{
    qDebug().noquote() << "HudView 销毁";
}

void HudView::setConfirmText(const QString &text)
{
    m_confirmText = text;
    ui->hintSourButton->setText(text);
}

void HudView::fillLanguages()
{
    for (const LanguageEntry &entry : languages)
        ui->comboBox->addItem(tr(entry.source, entry.comment));
}

// The texts the form itself does not know; again after every language change.
void HudView::applyTexts()
{
    switch (m_page) {
    case 0:
        ui->hintTitle->setText(m_title);
        ui->textBrowser_0->setCenteredText(m_message);
        if (!m_confirmText.isEmpty())
            ui->hintSourButton->setText(m_confirmText);
        break;
    case 1:
        ui->hintSingleTitle->setText(m_title);
        ui->textBrowser_1->setCenteredText(m_message);
        break;
    case 2:
        for (int i = 0; i < ui->comboBox->count() && i < int(std::size(languages)); ++i)
            ui->comboBox->setItemText(i, tr(languages[i].source, languages[i].comment));
        break;
    case 3:
        ui->labelAbout->setText(m_title);
        ui->textBrowser_2->setCenteredText(m_message);
        break;
    default:
        break;
    }
}

void HudView::sizeToPage()
{
    switch (m_page) {
    case 0:
        sizeMessagePage(ui->textBrowser_0, messageWidth);
        break;
    case 1:
        sizeMessagePage(ui->textBrowser_1, messageWidth);
        break;
    case 2:
        setSetItemW();
        break;
    case 3:
        sizeMessagePage(ui->textBrowser_2, aboutWidth);
        break;
    case 4: {
        const int title = calculateMaxWidthOfWidgets({ui->sortTitleLable});
        const int buttons = calculateMaxWidthOfWidgetsButton(
            {ui->sortButtonOne, ui->sortButtonTwo, ui->sortButtonThree, ui->sortButtonFour});
        setFixedSize(HudSizing::sortSize(title, buttons));
        break;
    }
    default:
        break;
    }
}

// Message pages: the browser is fixed at width and fitted to its text; the
// dialog is what the page's layout needs around it.
void HudView::sizeMessagePage(QWidget *browser, int width)
{
    browser->setFixedWidth(width);
    const QString html = m_page == 3
        ? m_message
        : QStringLiteral("<p align=\"center\" style=\"color: black;\">%1</p>").arg(m_message);
    fitHeightToHtml(browser, html);
    QLayout *pageLayout = ui->stackedWidget->currentWidget()->layout();
    pageLayout->activate();
    setFixedSize(pageLayout->sizeHint());
}

int HudView::buttonWidth(QAbstractButton *button) const
{
    const QStyle *buttonStyle = button->style();
    return buttonStyle->pixelMetric(QStyle::PM_LayoutLeftMargin) + button->iconSize().width()
        + QFontMetrics(measuringFont(button)).horizontalAdvance(button->text())
        + buttonStyle->pixelMetric(QStyle::PM_LayoutRightMargin);
}

int HudView::calculateMaxWidthOfWidgets(const QList<QWidget *> &widgets) const
{
    int widest = 0;
    for (QWidget *widget : widgets) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const QString text = label ? label->text() : widget->windowTitle();
        widest = qMax(widest, QFontMetrics(measuringFont(widget)).horizontalAdvance(text));
    }
    return widest;
}

int HudView::calculateMaxWidthOfWidgetsButton(const QList<QWidget *> &widgets) const
{
    int widest = 0;
    for (QWidget *widget : widgets) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            widest = qMax(widest, buttonWidth(button));
    }
    return widest;
}

void HudView::setSetItemW()
{
    const QList<QWidget *> labels {ui->languageLable, ui->mapLabel, ui->speedLabel,
                                   ui->playModeLable};
    const int a = calculateMaxWidthOfWidgets(labels);
    const int b = calculateMaxWidthOfWidgetsButton(
        {ui->playModelOne, ui->playModelTwo, ui->playModelThree});
    const int c = buttonWidth(ui->mapType) + 20 + buttonWidth(ui->mapTypeOne) + 20;
    const int labelColumn = HudSizing::settingsLabelColumn(a, b, c);
    // One label column, so the option buttons of every row line up.
    for (QWidget *label : labels)
        label->setFixedWidth(labelColumn);
    int width = HudSizing::settingsWidth(a, b, c);
    // Long translations must never be cut off.
    QLayout *pageLayout = ui->page_2->layout();
    pageLayout->activate();
    width = qMax(width, pageLayout->sizeHint().width());
    setFixedSize(width, 245);
}

void HudView::centreOnParent()
{
    if (QWidget *owner = parentWidget()) {
        QPoint origin((owner->width() - width()) / 2, (owner->height() - height()) / 2);
        if (isWindow())
            origin = owner->mapToGlobal(origin);
        move(origin);
    } else if (QWidget *active = QApplication::activeWindow()) {
        const QRect frame = active->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
}

void HudView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyTexts();
        if (m_page == 2)
            setSetItemW();
        applyFontToChildren(this);
    }
    QWidget::changeEvent(event);
}

void HudView::closeEvent(QCloseEvent *event)
{
    emit hudClosed();
    QWidget::closeEvent(event);
}

void HudView::on_setCloseButton_clicked()
{
    close();
}

void HudView::on_hintCancelButton_clicked()
{
    close();
}

void HudView::on_hintSingleButton_clicked()
{
    close();
}

void HudView::on_aboutCloseButton_clicked()
{
    close();
}

void HudView::on_aboutCloseButton_2_clicked()
{
    close();
}

void HudView::on_hintSourButton_clicked()
{
    if (m_actionName == QLatin1String("mapAction")) {
        AppManager::instance()->setMapType(m_mapChoice);
        restartApplication();
    } else if (m_actionName == QLatin1String("savePathAction")) {
        ui->hintSourButton->setEnabled(false);
        close();
        // The backdrop may delete this dialog while the folder dialog runs:
        // nothing of this object is used after chooseFolder returns.
        const QString folder = chooseFolder(settingsValue(QStringLiteral("saveFilePath")));
        if (!folder.isEmpty()) {
            settingsValue(QStringLiteral("saveFilePath"), folder, true);
            qDebug().noquote() << "重置保存路径 URL:" << folder;
        }
    } else if (m_actionName == QLatin1String("deldetAllFilesAction")) {
        emit postDeleteAllFiles();
        close();
    } else {
        m_fileManager->showItem(m_actionName);
        close();
    }
}

QString HudView::chooseFolder(const QString &start)
{
    return QFileDialog::getExistingDirectory(nullptr, QString(), start, QFileDialog::ShowDirsOnly);
}

void HudView::restartApplication()
{
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList())) {
        // Keep running rather than vanish; the stored map applies at next start.
        qDebug().noquote() << "重启播放器失败" << QCoreApplication::applicationFilePath();
        return;
    }
    QCoreApplication::exit(0);
}

void HudView::on_comboBox_currentIndexChanged(int index)
{
    if (!m_constructed)
        return;
    qDebug().noquote() << "选择语言：" << index;
    AppManager::instance()->loadLanguage(index + 1);
}

void HudView::on_speedButonnKMH_clicked()
{
    AppManager::instance()->setSpeedUnitType(0);
}

void HudView::on_speedButonnPMH_clicked()
{
    AppManager::instance()->setSpeedUnitType(1);
}

void HudView::chooseMap(int type)
{
    if (type == AppManager::instance()->mapType())
        return;
    emit postMapTypeChange(type);
    close();
}

void HudView::on_mapType_clicked()
{
    chooseMap(0);
}

void HudView::on_mapTypeOne_clicked()
{
    chooseMap(1);
}

void HudView::on_playModelOne_clicked()
{
    AppManager::instance()->setPlayModelType(0);
}

void HudView::on_playModelTwo_clicked()
{
    AppManager::instance()->setPlayModelType(1);
}

void HudView::on_playModelThree_clicked()
{
    AppManager::instance()->setPlayModelType(2);
}

void HudView::on_sortButtonOne_clicked()
{
    emit postSortListAction(1);
}

void HudView::on_sortButtonTwo_clicked()
{
    emit postSortListAction(2);
}

void HudView::on_sortButtonThree_clicked()
{
    emit postSortListAction(3);
}

void HudView::on_sortButtonFour_clicked()
{
    emit postSortListAction(4);
}
