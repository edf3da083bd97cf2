#include "loginadmin.h"

#include "filesicuri.h"
#include "messaggi.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

LoginAdmin::LoginAdmin(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Password amministratore"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Inserisci la password amministratore:"), this));
    editPassword = new QLineEdit(this);
    editPassword->setObjectName(QStringLiteral("password"));
    editPassword->setEchoMode(QLineEdit::Password);
    layout->addWidget(editPassword);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    // Return in the input tries the password once, through the input alone:
    // a default button would try it a second time.
    for (QPushButton* b : {ok, chiudi}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(ok);
    riga->addWidget(chiudi);
    layout->addLayout(riga);

    connect(ok, &QPushButton::clicked, this, &LoginAdmin::provaLogin);
    connect(editPassword, &QLineEdit::returnPressed, this, &LoginAdmin::provaLogin);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void LoginAdmin::provaLogin()
{
    if (verificaPassword(editPassword->text())) {
        accept();
        return;
    }
    Messaggi::avviso(this, tr("Errore"), tr("Password errata."));
    editPassword->clear();
    editPassword->setFocus();
}

QString LoginAdmin::percorsoFile()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    return cartella + QStringLiteral("/admin.hash");
}

QString LoginAdmin::impronta(const QString& password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool LoginAdmin::verificaPassword(const QString& password)
{
    QByteArray contenuto;
    if (!FileSicuri::leggi(percorsoFile(), &contenuto, 4096))
        return false;
    return QString::fromUtf8(contenuto).trimmed() == impronta(password);
}

bool LoginAdmin::esistePassword()
{
    return QFile::exists(percorsoFile());
}

bool LoginAdmin::impostaPassword(const QString& password)
{
    return FileSicuri::scrivi(percorsoFile(), impronta(password).toLatin1());
}
