<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnteprimaStampa</name>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima aperta nel visualizzatore PDF di sistema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssegniFamiliari</name>
    <message>
        <source>Reddito AVS sotto soglia (630 CHF/mese)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantone %1 non presente in assegni_familiari.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 figli assegno, %2 figli formazione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Impossibile copiare %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile creare la cartella di backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile completare il backup %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup non trovato: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup di sicurezza non riuscito: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile ripristinare %1. I dati non sono stati modificati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile sostituire %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BloccoIndirizzo</name>
    <message>
        <source>CAP inesistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il CAP %1 non corrisponde a nessuna localita svizzera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Citta inesistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La localita &quot;%1&quot; non corrisponde a nessun CAP svizzero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCL</name>
    <message>
        <source>CCL %1 categoria %2 non trovato in ccl_minimi.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CampiMovimento</name>
    <message>
        <source>Un campo senza nome non puo&apos; essere salvato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; non puo&apos; contenere &quot;/&quot; o &quot;\&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; compare piu&apos; volte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Certificato</name>
    <message>
        <source>ID dipendente: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Osservazioni:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importi stimati (stima): nessun mese dell&apos;anno e&apos; salvato nello storico paghe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):     %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie):%1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari):%1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 8 (totale):    %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 9 (contributi):%1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):    %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):    %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 11 (netto):    %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):  %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):      %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie): %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari): %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 8 (totale):     %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 9 (contributi): %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):     %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):     %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 11 (netto):     %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):   %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile lordo: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario annuo lordo: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi dipendente: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi datore: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP annuo: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta fonte annua: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto annuo: %1 CHF
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnuale</name>
    <message>
        <source>Anno non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 risulta già chiuso.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di chiusura esercizio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è già aperto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aggiornare il file di stato dell&apos;esercizio.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnualeDialog</name>
    <message>
        <source>Chiusura esercizio / Blocco annuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La chiusura dell&apos;esercizio sigilla le buste paga, le variabili mensili e le aliquote dell&apos;anno selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es. Chiusura definitiva post-revisione e invio certificati di salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato e sigillo dell&apos;esercizio contabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio (Anno):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato attuale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica integrità:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dettagli sigillo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note di chiusura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi e blocca esercizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sblocco straordinario...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi finestra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro storico chiusure e sblocchi (Audit Log):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;CHIUSO E BLOCCATO (Sola lettura)&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÀ VERIFICATA (SHA-256 corrispondente)&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENZIONE: I file su disco differiscono dall&apos;impronta sigillata!&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiuso il: %1 | Operatore: %2 | File sigillati: %3
SHA-256: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;APERTO (Modificabile)&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio in corso (%1 file annuali rilevati).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impronta attuale non sigillata:
SHA-256: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna operazione registrata finora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma chiusura esercizio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuoi davvero chiudere e bloccare definitivamente l&apos;esercizio %1?

Dopo la chiusura non sarà più possibile modificare buste paga, variabili mensili o aliquote per l&apos;anno %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore chiusura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato chiuso e sigillato con successo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sblocco straordinario esercizio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La riapertura verrà registrata in modo permanente nel registro di audit.
Inserisci la motivazione obbligatoria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sblocco non consentito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio riaperto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato riaperto e registrato nel log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChiusuraMensile</name>
    <message>
        <source>Chiusura mensile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Includi 13a automatica a dicembre (e 14a a giugno)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola anteprima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genera tutti e salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquida 13a/14a pro-rata a dipendente...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva selezionati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genera file banca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo contrib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo fiscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assegni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es. Buone feste a tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comunicazioni (opzionale, per tutti):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (senza conteggio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta alla fonte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mancano le tabelle dell&apos;imposta alla fonte (cartella dati_afc) per:
%1
Per questi dipendenti l&apos;imposta risulta 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiusura completata con errori:
%1 conteggi generati
%2 conteggi NON generati.

Controlla i dipendenti evidenziati nella tabella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati, nessun errore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo contributivo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo imponibile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi dip.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP dip.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assegni familiari:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta (conguagl.):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modalita pagamento:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intestatario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banca:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC/SWIFT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contanti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Vuoi salvare questo conteggio salario in PDF?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva conteggio salario PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conteggio salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF salvato:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquidazione 13a/14a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili mensili.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente con la casella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegli una cartella (il nome file verra&apos; ignorato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa completata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF generati: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 PDF in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati azienda mancanti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configura IBAN e BIC dell&apos;azienda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun pagamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun dipendente selezionato ha netto ed IBAN validi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File banca non generato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La banca rifiuterebbe il file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva file banca (pain.001)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File generato con %1 pagamenti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio fallito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVS-AI-IPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infortuni non professionali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stipendio </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConteggioSalario</name>
    <message>
        <source>Fuori periodo di rapporto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mese non valido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare lo storico paghe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvDipendenti</name>
    <message>
        <source>Esporta CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importati: %1
Saltati: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il CSV.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAmministrativi</name>
    <message>
        <source>Dati amministrativi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività principale/secondaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altri datori di lavoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prestazioni AI/AD/INF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività indipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAnno</name>
    <message>
        <source>Scegli l&apos;anno da stampare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogFigli</name>
    <message>
        <source>Figli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data nascita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parentela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo figlio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica figlio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vive con il dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agli studi / formazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incapacità al guadagno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona prima un figlio nella tabella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare questo figlio?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogParametriCritici</name>
    <message>
        <source>AVS/AI/IPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aliquota dipendente (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aliquota datore (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assicurazione disoccupazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Massimale (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributo famiglie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAINF / SUVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soglia entrata (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduzione coordinamento (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario massimo (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IGM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guadagno massimo (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametri annuali AVS / SUVA / LPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione: si sta accedendo alla modifica di dati importantissimi.
Chiudendo questo messaggio si accetta di essere responsabili per
quanto si modifichera&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno tabella parametri:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valori fuori dall&apos;intervallo ammesso, salvati come mostrati:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare i parametri. Controlla i log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro modifiche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I parametri sono stati salvati, ma il registro delle modifiche non si e&apos; potuto scrivere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valori copiati negli appunti.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPeriodiRapporto</name>
    <message>
        <source>Periodi di rapporto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In corso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrata:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uscita:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodi aggiornati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricordati di premere Salva nella scheda per rendere effettive le modifiche.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogoFile</name>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella diversa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stai salvando fuori dalla cartella dell&apos;azienda:
%1

Vuoi continuare?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentiAnnuali</name>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere la scheda del dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno dei documenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File gia&apos; presenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nella cartella esistono gia&apos; %1 file su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sovrascrivi tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiedi uno per uno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sovrascrivere file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati incompleti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La scheda del dipendente e&apos; incompleta: verranno richiesti salario ed eta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile lordo (CHF):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eta del dipendente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificati gia&apos; presenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esistono gia&apos; %1 certificati su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sovrascrivere certificato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il certificato %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati %1 certificati di salario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella destinazione Certificati PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificato di salario %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati %1 certificati PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendiconto Salari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva RSS PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella destinazione RSS PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendiconto Salari %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati %1 PDF RSS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva XML ELM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella destinazione XML ELM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati %1 file XML ELM.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoglioPaga</name>
    <message>
        <source>Importo versato sul conto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stipendio mese di </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale lordo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduzioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imponibile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aliquota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale deduzioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale parziale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo versato in contanti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diritto vacanze per anno: %1 settimane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacanze maturate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riporto saldo vacanze anno precedente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacanze prese nel mese corrente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo saldo vacanze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comunicazioni: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conteggio salario allestito con Vardello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserimento variabili mese - Anno %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneAzienda</name>
    <message>
        <source>Azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Francia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il CAP deve essere di 4 cifre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il cantone deve essere di 2 lettere (es. TI).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;IBAN dell&apos;azienda non è valido: controlla le cifre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati salvati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare definitivamente questa azienda?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azienda eliminata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneCampiMovimento</name>
    <message>
        <source>Gestione campi movimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo importo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soggetto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass.AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass.LAINF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat.cert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare il campo selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma salvataggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i campi movimento personalizzati. Confermi?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campi movimento salvati.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneCertificati</name>
    <message>
        <source>Gestione certificati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificati salvati:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun certificato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ci sono certificati salvati.
Usa Dati &gt; Esporta certificato di salario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare il certificato &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare il file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spunta almeno un certificato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificato di salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella per i PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati: %1
Errori: %2
Cartella: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportati</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneGeneri</name>
    <message>
        <source>Generi di salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generi salvati.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneMovimenti</name>
    <message>
        <source>Importo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimenti straordinari - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimenti salvati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneStipendi</name>
    <message>
        <source>Storico stipendi - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri scheda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodi (mensilita read-only, calcolata dalla scheda dipendente):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona un periodo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inizio, riga %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine, riga %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile, riga %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodi salvati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneValute</name>
    <message>
        <source>Gestione valute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simbolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambio in CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrotonda a 5 cent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il franco svizzero e&apos; la valuta di base e non si puo&apos; eliminare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1: codice mancante o ripetuto, oppure cambio non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1: codice, nome e simbolo non possono contenere &quot;;&quot; o un a capo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valute salvate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestioneVariabili</name>
    <message>
        <source>Mese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore
fatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra
25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra
50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra
compensate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
malattia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
infortunio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
IPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
spese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acconti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
prestiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tratt.
UEF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacanze
(gg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imp.
imponibili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imp. non
imponibili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
trasferte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduz.
assenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimb.
assicur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a / 14a /
Gratifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note /
Descrizione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserimento variabili mensili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima / Stampa variabili PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifiche non salvate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le variabili modificate non sono state salvate. Salvarle prima di cambiare?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contratto: Salario orario (CHF %1/h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contratto: Stipendio mensile (CHF %1/mese)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul lavoro (art. 12 LL):

- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)
- Totale annuo %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabili mensili salvate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImpostaFonte</name>
    <message>
        <source>(scala non trovata)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2: %3 scaglioni, figli=%4, chiesa=%5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputSvizzero</name>
    <message>
        <source>Attenzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; non e&apos; valido: scrivere ad esempio 5&apos;000.50 oppure 5000,50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; in &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListaDipendenti</name>
    <message>
        <source>Lista Dipendenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendenti dell&apos;azienda:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca dipendente...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Nessun dipendente)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare il dipendente?
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile eliminare il file del dipendente:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginAdmin</name>
    <message>
        <source>Password amministratore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci la password amministratore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password errata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModificheNonSalvate</name>
    <message>
        <source>Chiudere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MostraHelp</name>
    <message>
        <source>Manuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manuale non trovato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nazioni</name>
    <message>
        <source>Partita IVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numéro d&apos;entreprise (BCE/KBO)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NuovaAzienda</name>
    <message>
        <source>Nuova Azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Francia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Franco svizzero (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Euro (EUR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Francese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ragione sociale non dà un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azienda esistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esiste già un&apos;azienda salvata nel file %1.
Sostituirla?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare i dati.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NuovoDipendente</name>
    <message>
        <source>Nuovo Dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data di assunzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome e cognome sono obbligatori.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente esistente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esiste gia&apos; un dipendente salvato nel file %1.
Sostituirlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare i dati del dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pain001</name>
    <message>
        <source>Manca il nome dell&apos;azienda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN dell&apos;azienda non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC dell&apos;azienda non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data di esecuzione non valida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun pagamento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manca il nome di un beneficiario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN non valido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importo non valido: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Area di lavoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La lingua verra&apos; applicata al prossimo avvio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno da chiudere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno da chiudere (es. 2026):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno nuovo (es. 2027):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodi aggiornati per il nuovo anno.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun dipendente da aggiornare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegli la cartella per i dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartella dati impostata su:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile impostare la cartella dati su:
%1

La cartella dati resta:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup eseguito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna modifica dall&apos;ultimo backup: nessun nuovo backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella dati e&apos; vuota.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup non riuscito: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accesso riservato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questa sezione e&apos; riservata all&apos;amministratore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuova azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambia azienda...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storico stipendi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movimenti straordinari...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo dipendente...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista dipendenti...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elaborazione stipendi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiusura mensile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiusure di fine anno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo anno stipendi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiusura esercizio / Blocco annuale...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riepilogo Paghe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta CSV contabilità...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta RSS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta RSS PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta certificato di salario...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta certificato PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta formulario assegni familiari (HTML)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta conteggio CAF (HTML)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione certificati...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta XML ELM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione valute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generi di salario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione generi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametri AVS/SUVA/LPP...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegli cartella dati...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta dipendenti CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importa dipendenti CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amministrazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestione campi movimento...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva formulario assegni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva conteggio CAF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RSS</name>
    <message>
        <source>=== RENDICONTO SALARI %1 ===</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID file:    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo annuo:         %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi dip.:     %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi datore:   %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP annuo:           %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta alla fonte:  %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto annuo:         %1 CHF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RiepilogoPaghe</name>
    <message>
        <source>Riepilogo Paghe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riepilogo automatico dell&apos;anno: somme dei mesi salvati nello storico paghe; per chi non ha mesi salvati, stima dai periodi registrati (spunta i dipendenti da includere):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo annuo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposta fonte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto annuo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricalcola totali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totali (%1 dipendenti)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lordo annuo: %1 CHF
Contributi: %2 CHF
Imposta fonte: %3 CHF
Netto annuo: %4 CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il file per la scrittura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScegliAzienda</name>
    <message>
        <source>Scegli Azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona un&apos;azienda o creane una nuova:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuova Azienda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Nessuna azienda trovata. Creane una nuova.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScegliBanca</name>
    <message>
        <source>Scegli la banca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona la banca per i pagamenti stipendi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScegliConteggio</name>
    <message>
        <source>Conteggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona il mese da stampare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun conteggio disponibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conteggio del mese %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScegliDipendente</name>
    <message>
        <source>Seleziona uno o piu&apos; dipendenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegli dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare (oppure usa &apos;Seleziona tutti&apos;):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca e seleziona un dipendente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca per AVS, cognome o nome...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cessato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spunta almeno un dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona un dipendente.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedaDipendente</name>
    <message>
        <source>Scheda Dipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;N° AVS:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodi di rapporto...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa foglio paga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa variabili mese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riepilogo annuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestisci figli...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati amministrativi...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri il manuale (D03)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si - in Svizzera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si - all&apos;Estero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coniuge/partner lavora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altre attivita lucrative contemporanee (CH/Estero)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>es. A0, B1, C2, H1, G0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariffa Imposte alla Fonte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grado di occupazione (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indipendente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paga oraria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo di paga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario mensile (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = calcola automaticamente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPP trattenuta (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paga oraria (CHF/h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nessuno)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCL applicabile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria CCL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contanti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modalita di pagamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH.. / IT.. / ES.. ecc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intestatario conto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC/SWIFT (banche estere)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC/SWIFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banca estera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il grado di occupazione &quot;%1&quot; non e&apos; valido: scrivere un numero intero, ad esempio 80.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente salvato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare definitivamente questo dipendente?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipendente eliminato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVS-AI-IPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infortuni non professionali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima foglio paga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima riepilogo annuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedaVariabiliDipendente</name>
    <message>
        <source>Ore lavorate normali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra 25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra 50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso malattia (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso infortunio (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso IPG (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso spese (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acconti (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso prestiti (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trattenute UEF (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacanze prese (gg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importi imponibili / straordinari (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importi non imponibili (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso trasferte (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduzione assenze (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborso assicurativo (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a / Gratifica (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabili mensili dipendente - %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salario orario (CHF %1/h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stipendio mensile (CHF %1/mese)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contratto:&lt;/b&gt; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mese da inserire:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati variabili del mese selezionato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note / Descrizione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore fatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ore extra tot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimborsi (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacanze (gg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imponibili (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non impon. (CHF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13a/Gratifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa riepilogo PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva mese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):

- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)
- Totale ore extra nell&apos;anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;anno %1 e&apos; chiuso: le variabili non possono essere modificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variabili di %1 %2 salvate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
