#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks for the administrator password; accepted only when it matches the
// SHA-256 digest (lower-case hex) stored in "admin.hash" in the
// application-data folder. The password itself is never stored.
class LoginAdmin : public QDialog
{
    Q_OBJECT

public:
    explicit LoginAdmin(QWidget* parent = nullptr);

    // True exactly when the password file can be read and its trimmed
    // content is the digest of `password`.
    static bool verificaPassword(const QString& password);
    static bool esistePassword();
    // Writes the digest of `password` in one step; false when the file could
    // not be written completely.
    static bool impostaPassword(const QString& password);

    static QString percorsoFile();

    // The gate in front of the administrative windows: without a password
    // file it first offers to set the password (typed twice, at least
    // kMinimo characters); then asks for it. True when it was given right.
    static bool accedi(QWidget* parent);

    static constexpr int kMinimo = 8;
    // The digest of a password's UTF-8 bytes, 64 lower-case hex digits.
    static QString impronta(const QString& password);

private slots:
    void provaLogin();

private:
    QLineEdit* editPassword = nullptr;
};

// Sets the first administrator password: two inputs that must match, at
// least LoginAdmin::kMinimo characters; accepted only once it is written.
class ImpostaPassword : public QDialog
{
    Q_OBJECT

public:
    explicit ImpostaPassword(QWidget* parent = nullptr);

private slots:
    void conferma();

private:
    QLineEdit* editNuova = nullptr;
    QLineEdit* editRipeti = nullptr;
};
