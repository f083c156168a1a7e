// The modal Qt dialogs behind MsgBox, InputBox and the file-open dialog.
#include "forms/qt_dialogs.h"

#include "forms/form.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace platform::forms {

namespace {

// Prompts break lines with a carriage return alone as often as with CR LF.
QString displayText(const QString& prompt)
{
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString buttonText(int result)
{
    switch (result) {
    case vbOK:
        return QStringLiteral("OK");
    case vbCancel:
        return QStringLiteral("Annulla");
    case vbAbort:
        return QStringLiteral("Interrompi");
    case vbRetry:
        return QStringLiteral("Riprova");
    case vbIgnore:
        return QStringLiteral("Ignora");
    case vbYes:
        return QStringLiteral("Sì");
    case vbNo:
        return QStringLiteral("No");
    default:
        return QString::number(result);
    }
}

QMessageBox::ButtonRole buttonRole(int result)
{
    switch (result) {
    case vbCancel:
    case vbAbort:
        return QMessageBox::RejectRole;
    case vbYes:
        return QMessageBox::YesRole;
    case vbNo:
        return QMessageBox::NoRole;
    default:
        return QMessageBox::AcceptRole;
    }
}

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// What Escape or the close box answers: Cancel when there is one, the only
// button, No, else Abort.
int escapeResult(const std::vector<int>& buttons)
{
    const auto has = [&](int result) { return std::find(buttons.begin(), buttons.end(), result) != buttons.end(); };
    if (has(vbCancel))
        return vbCancel;
    if (buttons.size() == 1)
        return buttons.front();
    if (has(vbNo))
        return vbNo;
    return vbAbort;
}

}  // namespace

int QtDialogs::messageBox(const MessageBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(request.prompt));
    box.setIcon(boxIcon(request.icon));

    const int onEscape = escapeResult(request.buttons);
    std::vector<std::pair<QAbstractButton*, int>> results;
    for (int result : request.buttons) {
        QPushButton* button = box.addButton(buttonText(result), buttonRole(result));
        results.emplace_back(button, result);
        if (result == request.defaultButton)
            box.setDefaultButton(button);
        if (result == onEscape)
            box.setEscapeButton(button);
    }
    box.exec();

    for (const auto& [button, result] : results) {
        if (button == box.clickedButton())
            return result;
    }
    return onEscape;
}

std::optional<QString> QtDialogs::inputBox(const InputBoxRequest& request)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(displayText(request.prompt));
    dialog.setTextValue(request.defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (request.leftTwips >= 0 && request.topTwips >= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
        dialog.move(origin + QPoint(px(request.leftTwips), px(request.topTwips)));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request)
{
    QString start = request.initialFolder;
    if (!request.fileName.isEmpty())
        start = start.isEmpty() ? request.fileName : start + QLatin1Char('/') + request.fileName;
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, start, qtFileFilter(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QLatin1String(";;"));
}

}  // namespace platform::forms
