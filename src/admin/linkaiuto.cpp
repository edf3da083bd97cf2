#include "linkaiuto.h"

#include "mostrahelp.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
std::function<void(const QString&)>& visore()
{
    static std::function<void(const QString&)> v;
    return v;
}
}

QLabel* LinkAiuto::crea(const QString& codice, QWidget* parent)
{
    const QString sicuro = codice.toHtmlEscaped();
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(sicuro), parent);
    link->setObjectName(QStringLiteral("aiuto"));
    link->setTextFormat(Qt::RichText);
    link->setStyleSheet(QStringLiteral("color: gray; text-decoration: underline;"));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(false);
    QObject::connect(link, &QLabel::linkActivated, link,
                     [link](const QString& destinazione) { apri(destinazione, link->window()); });
    return link;
}

QHBoxLayout* LinkAiuto::riga(const QString& codice, QWidget* parent)
{
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(crea(codice, parent));
    return riga;
}

void LinkAiuto::apri(const QString& codice, QWidget* finestra)
{
    if (visore())
        visore()(codice);
    else
        MostraHelp::apri(codice, finestra);
}

void LinkAiuto::impostaVisore(std::function<void(const QString&)> v)
{
    visore() = std::move(v);
}
