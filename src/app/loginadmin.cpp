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

bool LoginAdmin::accedi(QWidget* parent)
{
    if (!esistePassword()) {
        ImpostaPassword imposta(parent);
        if (imposta.exec() != QDialog::Accepted)
            return false;
    }
    LoginAdmin login(parent);
    return login.exec() == QDialog::Accepted;
}

ImpostaPassword::ImpostaPassword(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ImpostaPassword"));
    setWindowTitle(tr("Imposta password amministratore"));

    auto* layout = new QVBoxLayout(this);
    auto* spiegazione =
        new QLabel(tr("Non è ancora stata impostata una password amministratore. Scegline una di almeno %1 "
                      "caratteri e scrivila due volte.")
                       .arg(LoginAdmin::kMinimo),
                   this);
    spiegazione->setWordWrap(true);
    layout->addWidget(spiegazione);
    layout->addWidget(new QLabel(tr("Nuova password:"), this));
    editNuova = new QLineEdit(this);
    editNuova->setObjectName(QStringLiteral("nuovaPassword"));
    editNuova->setEchoMode(QLineEdit::Password);
    layout->addWidget(editNuova);
    layout->addWidget(new QLabel(tr("Ripeti la password:"), this));
    editRipeti = new QLineEdit(this);
    editRipeti->setObjectName(QStringLiteral("ripetiPassword"));
    editRipeti->setEchoMode(QLineEdit::Password);
    layout->addWidget(editRipeti);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annulla"));
    for (QPushButton* b : {ok, annulla}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(ok);
    riga->addWidget(annulla);
    layout->addLayout(riga);

    connect(ok, &QPushButton::clicked, this, &ImpostaPassword::conferma);
    connect(editRipeti, &QLineEdit::returnPressed, this, &ImpostaPassword::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void ImpostaPassword::conferma()
{
    const QString nuova = editNuova->text();
    QString problema;
    if (nuova.size() < LoginAdmin::kMinimo)
        problema = tr("La password deve avere almeno %1 caratteri.").arg(LoginAdmin::kMinimo);
    else if (nuova != editRipeti->text())
        problema = tr("Le due password non coincidono.");
    else if (!LoginAdmin::impostaPassword(nuova))
        problema = tr("Impossibile salvare la password in %1.").arg(QDir::toNativeSeparators(LoginAdmin::percorsoFile()));
    if (!problema.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"), problema);
        editNuova->clear();
        editRipeti->clear();
        editNuova->setFocus();
        return;
    }
    Messaggi::informazione(this, tr("Password amministratore"), tr("Password impostata."));
    accept();
}
