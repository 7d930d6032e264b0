#pragma once

#include <QWidget>
#include <memory>

class FileManager;
class QAbstractButton;

namespace Ui {
class HudView;
}

// The one small dialog of the player, with five pages: 0 prompt, 1 notice,
// 2 settings, 3 about, 4 sort. The main window shows it on a RoundedDialog
// backdrop, which owns and deletes it. A prompt's confirm button runs the
// action it was created with: "mapAction", "savePathAction",
// "deldetAllFilesAction", or else a file path to show in the file manager.
class HudView : public QWidget
{
    Q_OBJECT
public:
    HudView(const QString &title, const QString &message, int page, const QString &actionName,
            QWidget *parent = nullptr);
    ~HudView() override;

    // The map type "mapAction" stores before the restart (0 Google, 1 Baidu).
    void setMapChoice(int type) { m_mapChoice = type; }
    int mapChoice() const { return m_mapChoice; }
    // Caption of the prompt's confirm button; kept across language changes.
    void setConfirmText(const QString &text);
    // Replaces the desktop's file manager (not owned; must outlive the dialog).
    void setFileManager(FileManager *manager) { m_fileManager = manager; }

signals:
    void hudClosed();
    void postDeleteAllFiles();
    void postSortListAction(int sortType);
    // The user chose the other map; the main window asks to restart.
    void postMapTypeChange(int type);

public slots:
    void on_setCloseButton_clicked();
    void on_hintCancelButton_clicked();
    void on_hintSingleButton_clicked();
    void on_aboutCloseButton_clicked();
    void on_aboutCloseButton_2_clicked();
    void on_hintSourButton_clicked();
    void on_comboBox_currentIndexChanged(int index);
    void on_speedButonnKMH_clicked();
    void on_speedButonnPMH_clicked();
    void on_mapType_clicked();
    void on_mapTypeOne_clicked();
    void on_playModelOne_clicked();
    void on_playModelTwo_clicked();
    void on_playModelThree_clicked();
    void on_sortButtonOne_clicked();
    void on_sortButtonTwo_clicked();
    void on_sortButtonThree_clicked();
    void on_sortButtonFour_clicked();

    int calculateMaxWidthOfWidgets(const QList<QWidget *> &widgets) const;
    int calculateMaxWidthOfWidgetsButton(const QList<QWidget *> &widgets) const;
    void setSetItemW();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Desktop steps of the confirm actions, replaceable in tests.
    virtual QString chooseFolder(const QString &start);
    virtual void restartApplication();

private:
    void applyTexts();
    void fillLanguages();
    void sizeToPage();
    void sizeMessagePage(QWidget *browser, int width);
    void chooseMap(int type);
    void centreOnParent();
    int buttonWidth(QAbstractButton *button) const;

    std::unique_ptr<Ui::HudView> ui;
    FileManager *m_fileManager = nullptr;
    QString m_title;
    QString m_message;
    QString m_actionName;
    QString m_confirmText;
    int m_page = 0;
    int m_mapChoice = 0;
    bool m_constructed = false;
};
