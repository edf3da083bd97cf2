<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnteprimaStampa</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Anteprima aperta nel visualizzatore PDF di sistema.</source>
        <translation>Preview opened in the system&apos;s PDF viewer.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF:
%1</source>
        <translation>Could not save the PDF:
%1</translation>
    </message>
    <message>
        <source>PDF salvato</source>
        <translation>PDF saved</translation>
    </message>
    <message>
        <source>File salvato in:
</source>
        <translation>File saved in:
</translation>
    </message>
    <message>
        <source>Nessun visualizzatore PDF si e&apos; aperto. L&apos;anteprima e&apos; salvata in:
%1</source>
        <translation>No PDF viewer opened. The preview is saved in:
%1</translation>
    </message>
</context>
<context>
    <name>AssegniFamiliari</name>
    <message>
        <source>Reddito AVS sotto soglia (630 CHF/mese)</source>
        <translation>AHV income below the threshold (630 CHF/month)</translation>
    </message>
    <message>
        <source>Cantone %1 non presente in assegni_familiari.ini</source>
        <translation>Canton %1 not found in assegni_familiari.ini</translation>
    </message>
    <message>
        <source>%1 figli assegno, %2 figli formazione</source>
        <translation>%1 children with child allowance, %2 children with education allowance</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>invalid value for %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Azienda</name>
    <message>
        <source>riga %1: mancano le righe fisse (ragione sociale, indirizzo, CAP, localita&apos;, cantone, nazione)</source>
        <translation>line %1: the fixed lines are missing (company name, address, postcode, town, canton, country)</translation>
    </message>
    <message>
        <source>riga 5: &quot;%1&quot; non e&apos; la sigla di un cantone</source>
        <translation>line 5: &quot;%1&quot; is not a canton abbreviation</translation>
    </message>
    <message>
        <source>riga 6: &quot;%1&quot; non e&apos; il codice di una nazione</source>
        <translation>line 6: &quot;%1&quot; is not a country code</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>line %1: null character</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot; non e&apos; una riga chiave=valore</source>
        <translation>line %1: &quot;%2&quot; is not a key=value line</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto (gia&apos; alla riga %3)</source>
        <translation>line %1: %2 repeated (already on line %3)</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; un numero valido</source>
        <translation>line %1: %2 is not a valid number</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>line %1: %2 is not 0 or 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>The file %1 cannot be read in full: %2.</translation>
    </message>
    <message>
        <source>Il nome di file &quot;%1&quot; non è utilizzabile.</source>
        <translation>The file name &quot;%1&quot; cannot be used.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati dell&apos;azienda non vengono salvati.</source>
        <translation>Invalid values (%1): the company data are not saved.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Impossibile copiare %1.</source>
        <translation>Could not copy %1.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella di backup.</source>
        <translation>Could not create the backup folder.</translation>
    </message>
    <message>
        <source>Impossibile completare il backup %1.</source>
        <translation>Could not complete backup %1.</translation>
    </message>
    <message>
        <source>Backup non trovato: %1</source>
        <translation>Backup not found: %1</translation>
    </message>
    <message>
        <source>Impossibile ripristinare %1. I dati non sono stati modificati.</source>
        <translation>Could not restore %1. The data have not been changed.</translation>
    </message>
    <message>
        <source>Impossibile sostituire %1.</source>
        <translation>Could not replace %1.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;indice del backup %1.</source>
        <translation>Could not read the index of backup %1.</translation>
    </message>
    <message>
        <source>Backup di sicurezza non riuscito: %1. I dati non sono stati modificati.</source>
        <translation>Safety backup failed: %1. The data have not been changed.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati.</source>
        <translation>Could not write the restore journal. The data have not been changed.</translation>
    </message>
</context>
<context>
    <name>BloccoIndirizzo</name>
    <message>
        <source>CAP inesistente</source>
        <translation>Unknown postcode</translation>
    </message>
    <message>
        <source>Il CAP %1 non corrisponde a nessuna localita svizzera.</source>
        <translation>Postcode %1 does not match any Swiss town.</translation>
    </message>
    <message>
        <source>Citta inesistente</source>
        <translation>Unknown town</translation>
    </message>
    <message>
        <source>La localita &quot;%1&quot; non corrisponde a nessun CAP svizzero.</source>
        <translation>The town &quot;%1&quot; does not match any Swiss postcode.</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation>Canton (abbreviation)</translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation>Canton</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Switzerland</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italy</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Spain</translation>
    </message>
</context>
<context>
    <name>CCL</name>
    <message>
        <source>CCL %1 categoria %2 non trovato in ccl_minimi.ini</source>
        <translation>CLA %1 category %2 not found in ccl_minimi.ini</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>WARNING: salary CHF %1 is below the minimum of collective labour agreement (CLA) %2 (%3) = CHF %4/month. Possible breach of the CLA. Proceed at your own risk.</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>invalid value for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>La tabella dei minimi CCL non si è letta correttamente:
%1</source>
        <translation>The table of CLA minimums was not read correctly:
%1</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/ora. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>WARNING: salary CHF %1 is below the minimum of collective labour agreement (CLA) %2 (%3) = CHF %4/hour. Possible breach of the CLA. Proceed at your own risk.</translation>
    </message>
</context>
<context>
    <name>CampiInfortuni</name>
    <message>
        <source>Assicurazione infortuni (LAINF)</source>
        <translation>Accident insurance (UVG)</translation>
    </message>
    <message>
        <source>Premio infortuni professionali (‰)</source>
        <translation>Occupational accident premium (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, uomini (‰)</source>
        <translation>Non-occupational accident premium, men (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, donne (‰)</source>
        <translation>Non-occupational accident premium, women (‰)</translation>
    </message>
    <message>
        <source>Massimale annuo (CHF)</source>
        <translation>Annual ceiling (CHF)</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; non e&apos; un numero valido.</source>
        <translation>The value &quot;%1&quot; in &quot;%2&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>Il valore in &quot;%1&quot; deve essere tra 0 e %2.</source>
        <translation>The value in &quot;%1&quot; must be between 0 and %2.</translation>
    </message>
</context>
<context>
    <name>CampiMovimento</name>
    <message>
        <source>Un campo senza nome non puo&apos; essere salvato.</source>
        <translation>A field without a name cannot be saved.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; non puo&apos; contenere &quot;/&quot; o &quot;\&quot;.</source>
        <translation>The name &quot;%1&quot; cannot contain &quot;/&quot; or &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; compare piu&apos; volte.</source>
        <translation>The name &quot;%1&quot; appears more than once.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1.</source>
        <translation>Could not write %1.</translation>
    </message>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>invalid value for %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Il file %1 non si è letto correttamente e non viene sovrascritto:
%2</source>
        <translation>The file %1 was not read correctly and is not overwritten:
%2</translation>
    </message>
</context>
<context>
    <name>CampoData</name>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
</context>
<context>
    <name>Certificato</name>
    <message>
        <source>ID dipendente: </source>
        <translation>Employee ID: </translation>
    </message>
    <message>
        <source>Anno: </source>
        <translation>Year: </translation>
    </message>
    <message>
        <source>
Osservazioni:
</source>
        <translation>
Remarks:
</translation>
    </message>
    <message>
        <source>Importi stimati (stima): nessun mese dell&apos;anno e&apos; salvato nello storico paghe.</source>
        <translation>Estimated amounts (estimate): no month of the year is saved in the payroll history.</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):     %1 CHF
</source>
        <translation>Box 1 (gross):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie):%1 CHF
</source>
        <translation>Box 2 (benefits):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari):%1 CHF
</source>
        <translation>Box 3 (irregular):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):    %1 CHF
</source>
        <translation>Box 8 (total):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi):%1 CHF
</source>
        <translation>Box 9 (contrib.):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):    %1 CHF
</source>
        <translation>Box 10.1 (BVG):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):    %1 CHF
</source>
        <translation>Box 10.2 (BVG):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):    %1 CHF
</source>
        <translation>Box 11 (net):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):  %1 CHF
</source>
        <translation>Box 12 (tax):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):      %1 CHF
</source>
        <translation>Box 1 (gross):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie): %1 CHF
</source>
        <translation>Box 2 (benefits):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari): %1 CHF
</source>
        <translation>Box 3 (irregular):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):     %1 CHF
</source>
        <translation>Box 8 (total):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi): %1 CHF
</source>
        <translation>Box 9 (contrib.):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):     %1 CHF
</source>
        <translation>Box 10.1 (BVG):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):     %1 CHF
</source>
        <translation>Box 10.2 (BVG):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):     %1 CHF
</source>
        <translation>Box 11 (net):         %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):   %1 CHF
</source>
        <translation>Box 12 (tax):         %1 CHF
</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Employee: </translation>
    </message>
    <message>
        <source>Salario mensile lordo: %1 CHF
</source>
        <translation>Gross monthly salary: %1 CHF
</translation>
    </message>
    <message>
        <source>Salario annuo lordo: %1 CHF
</source>
        <translation>Gross annual salary: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi dipendente: %1 CHF
</source>
        <translation>Employee contributions: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi datore: %1 CHF
</source>
        <translation>Employer contributions: %1 CHF
</translation>
    </message>
    <message>
        <source>LPP annuo: %1 CHF
</source>
        <translation>Annual BVG: %1 CHF
</translation>
    </message>
    <message>
        <source>Imposta fonte annua: %1 CHF
</source>
        <translation>Annual withholding tax: %1 CHF
</translation>
    </message>
    <message>
        <source>Netto annuo: %1 CHF
</source>
        <translation>Annual net: %1 CHF
</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>invalid value for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>unknown key: %1</translation>
    </message>
    <message>
        <source>Nel file %1 mancano le chiavi: %2.</source>
        <translation>The file %1 is missing the keys: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: il certificato non può essere scritto.</source>
        <translation>Financial year %1 is closed and locked: the certificate cannot be written.</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnuale</name>
    <message>
        <source>Anno non valido.</source>
        <translation>Invalid year.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 risulta già chiuso.</source>
        <translation>Financial year %1 is already closed.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di chiusura esercizio.</source>
        <translation>Could not write the year-end closing file.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è già aperto.</source>
        <translation>Financial year %1 is already open.</translation>
    </message>
    <message>
        <source>Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit.</source>
        <translation>Enter a detailed reason (at least 5 characters) for the audit log.</translation>
    </message>
    <message>
        <source>Impossibile aggiornare il file di stato dell&apos;esercizio.</source>
        <translation>Could not update the status file of the financial year.</translation>
    </message>
    <message>
        <source>Il file di stato dell&apos;esercizio %1 non si legge correttamente: l&apos;esercizio resta bloccato finché il file non è corretto.
%2</source>
        <translation>The status file of financial year %1 cannot be read correctly: the financial year stays locked until the file is correct.
%2</translation>
    </message>
    <message>
        <source>valore non valido per chiuso: &quot;%1&quot;</source>
        <translation>invalid value for chiuso: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per anno: &quot;%1&quot;</source>
        <translation>invalid value for anno: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per fileSigillati: &quot;%1&quot;</source>
        <translation>invalid value for fileSigillati: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>unknown key: %1</translation>
    </message>
    <message>
        <source>Nel file %1 manca la riga &quot;chiuso&quot;.</source>
        <translation>The file %1 is missing the &quot;chiuso&quot; line.</translation>
    </message>
    <message>
        <source>valore non valido per rifiutiSigillati: &quot;%1&quot;</source>
        <translation>invalid value for rifiutiSigillati: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnualeDialog</name>
    <message>
        <source>Chiusura esercizio / Blocco annuale</source>
        <translation>Year-end closing / Annual lock</translation>
    </message>
    <message>
        <source>La chiusura dell&apos;esercizio sigilla le buste paga, le variabili mensili e le aliquote dell&apos;anno selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili.</source>
        <translation>Closing the financial year seals the pay slips, the monthly variables and the rates of the selected year with a SHA-256 cryptographic fingerprint, preventing retroactive changes. Viewing and printing pay slips, salary certificates and summaries remain available at all times.</translation>
    </message>
    <message>
        <source>Es. Chiusura definitiva post-revisione e invio certificati di salario</source>
        <translation>E.g. Final closing after the audit and after sending the salary certificates</translation>
    </message>
    <message>
        <source>Stato e sigillo dell&apos;esercizio contabile</source>
        <translation>Status and seal of the financial year</translation>
    </message>
    <message>
        <source>Esercizio (Anno):</source>
        <translation>Financial year:</translation>
    </message>
    <message>
        <source>Stato attuale:</source>
        <translation>Current status:</translation>
    </message>
    <message>
        <source>Verifica integrità:</source>
        <translation>Integrity check:</translation>
    </message>
    <message>
        <source>Dettagli sigillo:</source>
        <translation>Seal details:</translation>
    </message>
    <message>
        <source>Note di chiusura:</source>
        <translation>Closing notes:</translation>
    </message>
    <message>
        <source>Chiudi e blocca esercizio</source>
        <translation>Close and lock year</translation>
    </message>
    <message>
        <source>Sblocco straordinario...</source>
        <translation>Exceptional unlock...</translation>
    </message>
    <message>
        <source>Chiudi finestra</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Registro storico chiusure e sblocchi (Audit Log):</source>
        <translation>History of closings and unlocks (audit log):</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;CHIUSO E BLOCCATO (Sola lettura)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;CLOSED AND LOCKED (read-only)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÀ VERIFICATA (SHA-256 corrispondente)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITY VERIFIED (SHA-256 matches)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENZIONE: I file su disco differiscono dall&apos;impronta sigillata!&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;WARNING: the files on disk differ from the sealed fingerprint!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Chiuso il: %1 | Operatore: %2 | File sigillati: %3
SHA-256: %4</source>
        <translation>Closed on: %1 | Operator: %2 | Sealed files: %3
SHA-256: %4</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;APERTO (Modificabile)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;OPEN (editable)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Esercizio in corso (%1 file annuali rilevati).</source>
        <translation>Current financial year (%1 annual files found).</translation>
    </message>
    <message>
        <source>Impronta attuale non sigillata:
SHA-256: %1</source>
        <translation>Current unsealed fingerprint:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Nessuna operazione registrata finora.</source>
        <translation>No operation recorded so far.</translation>
    </message>
    <message>
        <source>Conferma chiusura esercizio %1</source>
        <translation>Confirm closing of financial year %1</translation>
    </message>
    <message>
        <source>Vuoi davvero chiudere e bloccare definitivamente l&apos;esercizio %1?

Dopo la chiusura non sarà più possibile modificare buste paga, variabili mensili o aliquote per l&apos;anno %1.</source>
        <translation>Do you really want to close and permanently lock financial year %1?

After closing, it will no longer be possible to change pay slips, monthly variables or rates for the year %1.</translation>
    </message>
    <message>
        <source>Errore chiusura</source>
        <translation>Closing error</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Financial year closed</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato chiuso e sigillato con successo.</source>
        <translation>Financial year %1 has been closed and sealed successfully.</translation>
    </message>
    <message>
        <source>Sblocco straordinario esercizio %1</source>
        <translation>Exceptional unlock of financial year %1</translation>
    </message>
    <message>
        <source>La riapertura verrà registrata in modo permanente nel registro di audit.
Inserisci la motivazione obbligatoria:</source>
        <translation>The reopening will be recorded permanently in the audit log.
Enter the mandatory reason:</translation>
    </message>
    <message>
        <source>Sblocco non consentito</source>
        <translation>Unlock not allowed</translation>
    </message>
    <message>
        <source>Esercizio riaperto</source>
        <translation>Financial year reopened</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato riaperto e registrato nel log.</source>
        <translation>Financial year %1 has been reopened and recorded in the log.</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;FILE DI STATO DANNEGGIATO: esercizio bloccato&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;STATUS FILE DAMAGED: financial year locked&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Impronta attuale:
SHA-256: %1</source>
        <translation>Current fingerprint:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Il sigillo e il blocco valgono per tutte le aziende della cartella dati. Saranno sigillati i file dell&apos;anno %1 di: %2.</source>
        <translation>The seal and the lock apply to all the companies in the data folder. The files of year %1 will be sealed for: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ChiusuraMensile</name>
    <message>
        <source>Chiusura mensile</source>
        <translation>Monthly closing</translation>
    </message>
    <message>
        <source>Includi 13a automatica a dicembre (e 14a a giugno)</source>
        <translation>Include the 13th month automatically in December (and the 14th in June)</translation>
    </message>
    <message>
        <source>Calcola anteprima</source>
        <translation>Calculate preview</translation>
    </message>
    <message>
        <source>Genera tutti e salva</source>
        <translation>Generate all and save</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Liquida 13a/14a pro-rata a dipendente...</source>
        <translation>Pay 13th/14th month pro rata to employee...</translation>
    </message>
    <message>
        <source>Salva selezionati</source>
        <translation>Save selected</translation>
    </message>
    <message>
        <source>Genera file banca</source>
        <translation>Create bank file</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV number</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>Lordo contrib.</source>
        <translation>Contrib. gross</translation>
    </message>
    <message>
        <source>Lordo fiscale</source>
        <translation>Taxable gross</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Contributions</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>Assegni</source>
        <translation>Allowances</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>WHT</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Es. Buone feste a tutti</source>
        <translation>E.g. Season&apos;s greetings to everyone</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Comunicazioni (opzionale, per tutti):</source>
        <translation>Messages (optional, for everyone):</translation>
    </message>
    <message>
        <source> (senza conteggio)</source>
        <translation> (no pay slip)</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Imposta alla fonte</source>
        <translation>Withholding tax</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Financial year closed</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.</source>
        <translation>Financial year %1 is closed and locked: pay slips cannot be generated or overwritten.</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati, nessun errore.</source>
        <translation>Closing completed: %1 pay slips generated, no errors.</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Employee:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Lordo contributivo:</source>
        <translation>Contributory gross:</translation>
    </message>
    <message>
        <source>Lordo imponibile:</source>
        <translation>Taxable gross:</translation>
    </message>
    <message>
        <source>Contributi dip.:</source>
        <translation>Employee contr.:</translation>
    </message>
    <message>
        <source>LPP dip.:</source>
        <translation>BVG empl.:</translation>
    </message>
    <message>
        <source>Assegni familiari:</source>
        <translation>Family allowances:</translation>
    </message>
    <message>
        <source>Imposta (conguagl.):</source>
        <translation>Tax (after true-up):</translation>
    </message>
    <message>
        <source>Netto:</source>
        <translation>Net:</translation>
    </message>
    <message>
        <source>Modalita pagamento:</source>
        <translation>Payment method:</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN:</translation>
    </message>
    <message>
        <source>Intestatario:</source>
        <translation>Account holder:</translation>
    </message>
    <message>
        <source>Banca:</source>
        <translation>Bank:</translation>
    </message>
    <message>
        <source>BIC/SWIFT:</source>
        <translation>BIC/SWIFT:</translation>
    </message>
    <message>
        <source>contanti</source>
        <translation>cash</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>

Vuoi salvare questo conteggio salario in PDF?</source>
        <translation>

Do you want to save this pay slip as a PDF?</translation>
    </message>
    <message>
        <source>Salva conteggio salario PDF</source>
        <translation>Save pay slip PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Conteggio salario</source>
        <translation>Pay slip</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>PDF salvato:
</source>
        <translation>PDF saved:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Could not save the PDF.</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.</source>
        <translation>Financial year %1 is closed and locked: the 13th/14th month cannot be paid.</translation>
    </message>
    <message>
        <source>Liquidazione 13a/14a</source>
        <translation>13th/14th month payment</translation>
    </message>
    <message>
        <source>Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):</source>
        <translation>13th/14th month amount for %1 %2 (%3/%4, %5 months):</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili mensili.</source>
        <translation>Could not save the monthly variables.</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente con la casella.</source>
        <translation>Tick the box of at least one employee.</translation>
    </message>
    <message>
        <source>Scegli una cartella (il nome file verra&apos; ignorato)</source>
        <translation>Choose a folder (the file name will be ignored)</translation>
    </message>
    <message>
        <source>Stampa completata</source>
        <translation>Printing completed</translation>
    </message>
    <message>
        <source>PDF generati: %1</source>
        <translation>PDFs generated: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 PDF in:
%2</source>
        <translation>Could not write %1 PDFs in:
%2</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente.</source>
        <translation>Select at least one employee.</translation>
    </message>
    <message>
        <source>Dati azienda mancanti</source>
        <translation>Company data missing</translation>
    </message>
    <message>
        <source>Configura IBAN e BIC dell&apos;azienda.</source>
        <translation>Set up the company&apos;s IBAN and BIC.</translation>
    </message>
    <message>
        <source>Nessun pagamento</source>
        <translation>No payments</translation>
    </message>
    <message>
        <source>Nessun dipendente selezionato ha netto ed IBAN validi.</source>
        <translation>No selected employee has a valid net pay and IBAN.</translation>
    </message>
    <message>
        <source>File banca non generato</source>
        <translation>Bank file not created</translation>
    </message>
    <message>
        <source>La banca rifiuterebbe il file:</source>
        <translation>The bank would reject the file:</translation>
    </message>
    <message>
        <source>Salva file banca (pain.001)</source>
        <translation>Save bank file (pain.001)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>File generato con %1 pagamenti.</source>
        <translation>File created with %1 payments.</translation>
    </message>
    <message>
        <source>Salvataggio fallito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation>Taxable salary</translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation>Family allowances</translation>
    </message>
    <message>
        <source>AVS-AI-IPG</source>
        <translation>AHV-IV-EO</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>ALV</translation>
    </message>
    <message>
        <source>Infortuni non professionali</source>
        <translation>Non-occupational accident (NBU)</translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation>Pension fund (BVG)</translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation>Withholding tax</translation>
    </message>
    <message>
        <source>banca</source>
        <translation>bank</translation>
    </message>
    <message>
        <source>posta</source>
        <translation>PostFinance</translation>
    </message>
    <message>
        <source>Non pagati con questo file:</source>
        <translation>Not paid with this file:</translation>
    </message>
    <message>
        <source>Altre voci imponibili</source>
        <translation>Other taxable items</translation>
    </message>
    <message>
        <source>Cassa assegni familiari (CAF)</source>
        <translation>Family compensation fund (FAK)</translation>
    </message>
    <message>
        <source>Arrotondamento</source>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>nessun conteggio salvato per il mese</source>
        <translation>no payroll saved for the month</translation>
    </message>
    <message>
        <source>netto non positivo</source>
        <translation>net pay not positive</translation>
    </message>
    <message>
        <source>pagato in contanti</source>
        <translation>paid in cash</translation>
    </message>
    <message>
        <source>IBAN mancante</source>
        <translation>IBAN missing</translation>
    </message>
    <message>
        <source>IBAN non valido (%1)</source>
        <translation>invalid IBAN (%1)</translation>
    </message>
    <message>
        <source>la scheda del dipendente non si puo&apos; leggere</source>
        <translation>the employee record cannot be read</translation>
    </message>
    <message>
        <source>Imposta alla fonte:</source>
        <translation>Withholding tax:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>File esistente</source>
        <translation>File already exists</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;.
Sostituirlo?</source>
        <translation>The file %1 already exists.
Replace it?</translation>
    </message>
    <message>
        <source>File esistenti lasciati come erano: %1</source>
        <translation>Existing files left unchanged: %1</translation>
    </message>
    <message>
        <source>Mancano le tabelle dell&apos;imposta alla fonte per:
%1

Il programma cerca i file tar*.txt in:
%2

Per questi dipendenti l&apos;imposta risulta 0 e &quot;Genera tutti e salva&quot; non salva il loro mese.</source>
        <translation>The withholding tax tables are missing for:
%1

The program looks for the tar*.txt files in:
%2

For these employees the tax is 0 and &quot;Generate all and save&quot; does not save their month.</translation>
    </message>
    <message>
        <source>13a/14a dovute pro rata e non pagate a chi lascia l&apos;azienda (&quot;Liquida 13a/14a pro-rata a dipendente...&quot; o 13a automatica):</source>
        <translation>13th/14th month owed pro rata and not paid to leavers (&quot;Pay 13th/14th month pro rata to employee...&quot; or automatic 13th month):</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati.</source>
        <translation>Closing completed: %1 pay slips generated.</translation>
    </message>
    <message>
        <source>Senza cedolino:</source>
        <translation>Without a pay slip:</translation>
    </message>
    <message>
        <source>Senza conteggio:</source>
        <translation>Not counted:</translation>
    </message>
    <message>
        <source>l&apos;esito del conteggio non si puo&apos; registrare: %1</source>
        <translation>the outcome of the count cannot be recorded: %1</translation>
    </message>
    <message>
        <source>lo storico paghe non si legge correttamente: %1</source>
        <translation>the payroll history does not read cleanly: %1</translation>
    </message>
    <message>
        <source>Fuori periodo di rapporto: il mese salvato prima non rientra più in nessun periodo di rapporto della scheda e non viene pagato</source>
        <translation>Outside the employment period: the month saved earlier no longer lies in any employment period of the card and is not paid</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 %3 non si legge correttamente: nessuna liquidazione viene registrata. Correggi il file e riprova.</source>
        <translation>The %1 pay history of %2 %3 does not read cleanly: no payout is recorded. Correct the file and try again.</translation>
    </message>
    <message>
        <source>i rifiuti dell&apos;ultima chiusura non si leggono correttamente: %1</source>
        <translation>the refusals of the last closing do not read cleanly: %1</translation>
    </message>
    <message>
        <source>Chiusura completata con errori:
%1 conteggi generati
%2 conteggi NON generati.

Dipendenti senza conteggio, con il motivo:</source>
        <translation>Closing completed with errors:
%1 pay slips generated
%2 pay slips NOT generated.

Employees without a pay slip, with the reason:</translation>
    </message>
    <message>
        <source>Scegli il dipendente a cui liquidare la 13a/14a pro rata:</source>
        <translation>Choose the employee to pay the 13th/14th month pro rata to:</translation>
    </message>
    <message>
        <source>Movimenti non pagati</source>
        <translation>Items not paid</translation>
    </message>
    <message>
        <source>Movimenti datati in %1, mese gia&apos; salvato, che il mese salvato non paga: &quot;Genera tutti e salva&quot; conteggia di nuovo il mese e li paga.</source>
        <translation>Items dated in %1, a month already saved, which the saved month does not pay: &quot;Generate all and save&quot; counts the month again and pays them.</translation>
    </message>
    <message>
        <source>%1 %2 è pagato a ore: la 13a mensilità (8.33%) è pagata ogni mese con le ore e il conteggio orario non paga una liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 is paid by the hour: the 13th month salary (8.33%) is paid every month with the hours and the hourly pay count pays no payout. No amount recorded.</translation>
    </message>
    <message>
        <source>%1 %2 non è in servizio nel mese %3/%4: il mese non viene conteggiato e non pagherebbe la liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 is not employed in month %3/%4: the month is not counted and would not pay the payout. No amount recorded.</translation>
    </message>
</context>
<context>
    <name>ConteggioSalario</name>
    <message>
        <source>Fuori periodo di rapporto</source>
        <translation>Outside the employment period</translation>
    </message>
    <message>
        <source>Mese non valido</source>
        <translation>Invalid month</translation>
    </message>
    <message>
        <source>Impossibile salvare lo storico paghe</source>
        <translation>Could not save the payroll history</translation>
    </message>
    <message>
        <source>Salario orario (%1 h x %2)</source>
        <translation>Hourly wage (%1 h x %2)</translation>
    </message>
    <message>
        <source>Ore straordinarie 25% (%1 h)</source>
        <translation>Overtime 25% (%1 h)</translation>
    </message>
    <message>
        <source>Ore straordinarie 50% (%1 h)</source>
        <translation>Overtime 50% (%1 h)</translation>
    </message>
    <message>
        <source>13a mensilità (8.33%)</source>
        <translation>13th month salary (8.33%)</translation>
    </message>
    <message>
        <source>Indennità vacanze</source>
        <translation>Holiday pay</translation>
    </message>
    <message>
        <source>Indennità giorni festivi (2.27%)</source>
        <translation>Public holiday pay (2.27%)</translation>
    </message>
    <message>
        <source>Indennità malattia</source>
        <translation>Sickness benefit</translation>
    </message>
    <message>
        <source>Indennità infortunio</source>
        <translation>Accident benefit</translation>
    </message>
    <message>
        <source>Indennità IPG</source>
        <translation>EO compensation</translation>
    </message>
    <message>
        <source>Rimborso spese</source>
        <translation>Expense refund</translation>
    </message>
    <message>
        <source>Acconto</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Rimborso prestito</source>
        <translation>Loan repayment</translation>
    </message>
    <message>
        <source>Trattenuta UEF</source>
        <translation>Wage garnishment (debt enforcement office)</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monthly salary</translation>
    </message>
    <message>
        <source>14a mensilità</source>
        <translation>14th month salary</translation>
    </message>
    <message>
        <source>13a mensilità</source>
        <translation>13th month salary</translation>
    </message>
    <message>
        <source>13a / 14a / gratifica</source>
        <translation>13th / 14th / bonus</translation>
    </message>
    <message>
        <source>Importi imponibili</source>
        <translation>Taxable amounts</translation>
    </message>
    <message>
        <source>Deduzione assenze</source>
        <translation>Absence deduction</translation>
    </message>
    <message>
        <source>Rimborso assicurativo</source>
        <translation>Insurance refund</translation>
    </message>
    <message>
        <source>Importi non imponibili</source>
        <translation>Non-taxable amounts</translation>
    </message>
    <message>
        <source>Rimborso trasferte</source>
        <translation>Travel refund</translation>
    </message>
    <message>
        <source>Movimento</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Parametri dell&apos;anno %1 non validi: %2</source>
        <translation>Invalid parameters for year %1: %2</translation>
    </message>
    <message>
        <source>Il conteggio dà un importo non valido: controllare i dati del dipendente</source>
        <translation>The calculation gives an invalid amount: check the employee&apos;s data</translation>
    </message>
    <message>
        <source>Salario mensile (%1/30)</source>
        <translation>Monthly salary (%1/30)</translation>
    </message>
    <message>
        <source>13a mensilità pro rata</source>
        <translation>13th month pro rata</translation>
    </message>
    <message>
        <source>13a/14a mensilità pro rata</source>
        <translation>13th/14th month pro rata</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: mancano le tabelle del cantone %1 (file tar*.txt cercati in %2)</source>
        <translation>Withholding tax cannot be computed: the tables of canton %1 are missing (tar*.txt files looked for in %2)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: la tariffa %1 non si trova nelle tabelle del cantone %2 (file tar*.txt cercati in %3)</source>
        <translation>Withholding tax cannot be computed: tariff %1 is not in the tables of canton %2 (tar*.txt files looked for in %3)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: il file delle tariffe del cantone %2 contiene la tariffa %1 danneggiata o in contraddizione con se stessa, che non viene usata (file tar*.txt cercati in %3)</source>
        <translation>Withholding tax cannot be computed: the tariff file of canton %2 holds tariff %1 damaged or contradicting itself, and it is not used (tar*.txt files looked for in %3)</translation>
    </message>
</context>
<context>
    <name>CsvDipendenti</name>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV saved in:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il CSV.</source>
        <translation>Could not save the CSV.</translation>
    </message>
    <message>
        <source>Importa CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Importato</source>
        <translation>Imported</translation>
    </message>
    <message>
        <source>Importati: %1
Saltati: %2</source>
        <translation>Imported: %1
Skipped: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il CSV.</source>
        <translation>Could not read the CSV.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>carattere non ammesso (NUL o di controllo)</source>
        <translation>character not allowed (NUL or control character)</translation>
    </message>
    <message>
        <source>%1 campi invece di 15</source>
        <translation>%1 fields instead of 15</translation>
    </message>
    <message>
        <source>cognome mancante</source>
        <translation>last name missing</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; non valida</source>
        <translation>invalid date of birth &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sesso &quot;%1&quot; non valido (M o F)</source>
        <translation>invalid sex &quot;%1&quot; (M or F)</translation>
    </message>
    <message>
        <source>numero AVS &quot;%1&quot; non valido</source>
        <translation>invalid AHV number &quot;%1&quot;</translation>
    </message>
    <message>
        <source>data di assunzione &quot;%1&quot; non valida</source>
        <translation>invalid hiring date &quot;%1&quot;</translation>
    </message>
    <message>
        <source>mensilita aggiuntive &quot;%1&quot; non valide (da 0 a 2)</source>
        <translation>invalid extra monthly salaries &quot;%1&quot; (from 0 to 2)</translation>
    </message>
    <message>
        <source>%1 %2 gia&apos; presente nell&apos;azienda</source>
        <translation>%1 %2 already present in the company</translation>
    </message>
    <message>
        <source>salvataggio non riuscito</source>
        <translation>saving failed</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Non esportati (file non leggibile):
</source>
        <translation>Not exported (file not readable):
</translation>
    </message>
    <message>
        <source>Righe saltate di %1:</source>
        <translation>Lines skipped in %1:</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; dopo oggi</source>
        <translation>date of birth &quot;%1&quot; is after today</translation>
    </message>
    <message>
        <source>non e&apos; l&apos;intestazione delle colonne (%1)</source>
        <translation>is not the column header (%1)</translation>
    </message>
</context>
<context>
    <name>Datoteca</name>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>invalid value for %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>fascia d&apos;età non valida: %1</source>
        <translation>invalid age band: %1</translation>
    </message>
</context>
<context>
    <name>DialogAmministrativi</name>
    <message>
        <source>Dati amministrativi</source>
        <translation>Administrative data</translation>
    </message>
    <message>
        <source>Professione</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Marital status since</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Attività principale/secondaria</source>
        <translation>Main/secondary activity</translation>
    </message>
    <message>
        <source>Altri datori di lavoro</source>
        <translation>Other employers</translation>
    </message>
    <message>
        <source>Prestazioni AI/AD/INF</source>
        <translation>IV/ALV/UVG benefits</translation>
    </message>
    <message>
        <source>Attività indipendente</source>
        <translation>Self-employment</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DialogAnno</name>
    <message>
        <source>Scegli l&apos;anno da stampare:</source>
        <translation>Choose the year to print:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogFigli</name>
    <message>
        <source>Figli</source>
        <translation>Children</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Data nascita</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Parentela</source>
        <translation>Relationship</translation>
    </message>
    <message>
        <source>Studi</source>
        <translation>In education</translation>
    </message>
    <message>
        <source>Convive</source>
        <translation>Lives with</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nuovo figlio</source>
        <translation>New child</translation>
    </message>
    <message>
        <source>Modifica figlio</source>
        <translation>Edit child</translation>
    </message>
    <message>
        <source>Vive con il dipendente</source>
        <translation>Lives with the employee</translation>
    </message>
    <message>
        <source>Agli studi / formazione</source>
        <translation>In school / education</translation>
    </message>
    <message>
        <source>Incapacità al guadagno</source>
        <translation>Unable to work</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Seleziona prima un figlio nella tabella.</source>
        <translation>First select a child in the table.</translation>
    </message>
    <message>
        <source>Eliminare questo figlio?</source>
        <translation>Delete this child?</translation>
    </message>
    <message>
        <source>F (Figlio)</source>
        <translation>F (Child)</translation>
    </message>
    <message>
        <source>FC (Figlio del coniuge)</source>
        <translation>FC (Stepchild)</translation>
    </message>
    <message>
        <source>F/S (Fratello/Sorella)</source>
        <translation>F/S (Brother/Sister)</translation>
    </message>
    <message>
        <source>A (Abiatico)</source>
        <translation>A (Grandchild)</translation>
    </message>
</context>
<context>
    <name>DialogParametriCritici</name>
    <message>
        <source>AVS/AI/IPG</source>
        <translation>Old-age and survivors&apos; insurance (AHV/IV/EO)</translation>
    </message>
    <message>
        <source>Aliquota dipendente (%)</source>
        <translation>Employee rate (%)</translation>
    </message>
    <message>
        <source>Aliquota datore (%)</source>
        <translation>Employer rate (%)</translation>
    </message>
    <message>
        <source>Assicurazione disoccupazione</source>
        <translation>Unemployment insurance (ALV)</translation>
    </message>
    <message>
        <source>Massimale (CHF)</source>
        <translation>Ceiling (CHF)</translation>
    </message>
    <message>
        <source>Contributo famiglie</source>
        <translation>Family compensation fund (FAK)</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>Occupational pension (BVG)</translation>
    </message>
    <message>
        <source>Soglia entrata (CHF)</source>
        <translation>Entry threshold (CHF)</translation>
    </message>
    <message>
        <source>Deduzione coordinamento (CHF)</source>
        <translation>Coordination deduction (CHF)</translation>
    </message>
    <message>
        <source>Salario massimo (CHF)</source>
        <translation>Maximum salary (CHF)</translation>
    </message>
    <message>
        <source>IGM</source>
        <translation>Maximum insured earnings</translation>
    </message>
    <message>
        <source>Guadagno massimo (CHF)</source>
        <translation>Maximum earnings (CHF)</translation>
    </message>
    <message>
        <source>Parametri annuali AVS / SUVA / LPP</source>
        <translation>Annual parameters AHV / SUVA / BVG</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Attenzione: si sta accedendo alla modifica di dati importantissimi.
Chiudendo questo messaggio si accetta di essere responsabili per
quanto si modifichera&apos;.</source>
        <translation>Warning: you are about to change very important data.
By closing this message you accept responsibility for
any changes you make.</translation>
    </message>
    <message>
        <source>Anno tabella parametri:</source>
        <translation>Parameter table year:</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?</source>
        <translation>You are about to overwrite the AHV/SUVA/BVG parameters. Confirm?</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i parametri. Controlla i log.</source>
        <translation>Could not save the parameters. Check the logs.</translation>
    </message>
    <message>
        <source>Registro modifiche</source>
        <translation>Change log</translation>
    </message>
    <message>
        <source>I parametri sono stati salvati, ma il registro delle modifiche non si e&apos; potuto scrivere.</source>
        <translation>The parameters have been saved, but the change log could not be written.</translation>
    </message>
    <message>
        <source>Valori copiati negli appunti.</source>
        <translation>Values copied to the clipboard.</translation>
    </message>
    <message>
        <source>I parametri dell&apos;anno %1 non si sono letti correttamente:
%2</source>
        <translation>The parameters for year %1 were not read correctly:
%2</translation>
    </message>
    <message>
        <source>I valori mostrati non si possono salvare finché il file non è corretto.</source>
        <translation>The values shown cannot be saved until the file is correct.</translation>
    </message>
    <message>
        <source>I parametri non vengono salvati: correggere il file prima di salvare.</source>
        <translation>The parameters are not saved: correct the file before saving.</translation>
    </message>
    <message>
        <source>LAINF / SUVA: valori iniziali delle nuove aziende</source>
        <translation>UVG / SUVA: initial values for new companies</translation>
    </message>
</context>
<context>
    <name>DialogPeriodiRapporto</name>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Employment periods</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Add period</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>In corso</source>
        <translation>Ongoing</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Entrata:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Uscita:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Delete the selected period?</translation>
    </message>
    <message>
        <source>Periodi aggiornati</source>
        <translation>Periods updated</translation>
    </message>
    <message>
        <source>Ricordati di premere Salva nella scheda per rendere effettive le modifiche.</source>
        <translation>Remember to press Save in the employee record to apply the changes.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>DialogoFile</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cartella diversa</source>
        <translation>Different folder</translation>
    </message>
    <message>
        <source>Stai salvando fuori dalla cartella dell&apos;azienda:
%1

Vuoi continuare?</source>
        <translation>You are saving outside the company&apos;s folder:
%1

Do you want to continue?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Dipendente</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>The file %1 contains invalid values: %2.</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot;</source>
        <translation>line %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: chiave ripetuta: %2, già alla riga %3</source>
        <translation>line %1: repeated key: %2, already on line %3</translation>
    </message>
    <message>
        <source>(cessato)</source>
        <translation>(left)</translation>
    </message>
    <message>
        <source>(entrata futura)</source>
        <translation>(starts later)</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>The employee code cannot be used as a file name.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati del dipendente non vengono salvati.</source>
        <translation>Invalid values (%1): the employee data are not saved.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>DocumentiAnnuali</name>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile scrivere:
%1</source>
        <translation>Could not write:
%1</translation>
    </message>
    <message>
        <source>Impossibile leggere la scheda del dipendente.</source>
        <translation>Could not read the employee record.</translation>
    </message>
    <message>
        <source>Anno dei documenti</source>
        <translation>Year of the documents</translation>
    </message>
    <message>
        <source>File gia&apos; presenti</source>
        <translation>Files already present</translation>
    </message>
    <message>
        <source>Nella cartella esistono gia&apos; %1 file su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>The folder already contains %1 of the %2 selected files.
Do you want to overwrite them all?</translation>
    </message>
    <message>
        <source>Sovrascrivi tutti</source>
        <translation>Overwrite all</translation>
    </message>
    <message>
        <source>Chiedi uno per uno</source>
        <translation>Ask one by one</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sovrascrivere file?</source>
        <translation>Overwrite file?</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>The file %1 already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Dati incompleti</source>
        <translation>Incomplete data</translation>
    </message>
    <message>
        <source>Salario</source>
        <translation>Salary</translation>
    </message>
    <message>
        <source>Eta</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Certificati gia&apos; presenti</source>
        <translation>Certificates already present</translation>
    </message>
    <message>
        <source>Esistono gia&apos; %1 certificati su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>%1 of the %2 selected certificates already exist.
Do you want to overwrite them all?</translation>
    </message>
    <message>
        <source>Sovrascrivere certificato?</source>
        <translation>Overwrite certificate?</translation>
    </message>
    <message>
        <source>Il certificato %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>The certificate %1 already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>Esportati %1 certificati di salario.</source>
        <translation>%1 salary certificates exported.</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>No employees</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Create an employee first.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione Certificati PDF</source>
        <translation>Destination folder for certificate PDFs</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Certificato di salario %1</source>
        <translation>Salary certificate %1</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF saved in:
</translation>
    </message>
    <message>
        <source>Esportati %1 certificati PDF.</source>
        <translation>%1 certificate PDFs exported.</translation>
    </message>
    <message>
        <source>Rendiconto Salari</source>
        <translation>Salary Statement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salva RSS PDF</source>
        <translation>Save salary statement PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione RSS PDF</source>
        <translation>Destination folder for salary statement PDFs</translation>
    </message>
    <message>
        <source>Rendiconto Salari %1</source>
        <translation>Salary Statement %1</translation>
    </message>
    <message>
        <source>Esportati %1 PDF RSS.</source>
        <translation>%1 salary statement PDFs exported.</translation>
    </message>
    <message>
        <source>Salva XML ELM</source>
        <translation>Save ELM XML</translation>
    </message>
    <message>
        <source>Cartella destinazione XML ELM</source>
        <translation>Destination folder for ELM XML</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Esportati %1 file XML ELM.</source>
        <translation>%1 ELM XML files exported.</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verranno richiesti salario ed eta.</source>
        <translation>The employee record of %1 is incomplete: salary and age will be asked for.</translation>
    </message>
    <message>
        <source>Salario mensile lordo di %1 (CHF):</source>
        <translation>Gross monthly salary of %1 (CHF):</translation>
    </message>
    <message>
        <source>Eta di %1:</source>
        <translation>Age of %1:</translation>
    </message>
    <message>
        <source>%1: scheda non leggibile</source>
        <translation>%1: employee record not readable</translation>
    </message>
    <message>
        <source>%1: salario ed eta non dati</source>
        <translation>%1: salary and age not given</translation>
    </message>
    <message>
        <source>Rendiconto salari</source>
        <translation>Salary statement</translation>
    </message>
    <message>
        <source>Senza rendiconto:
%1</source>
        <translation>No salary statement:
%1</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verra&apos; richiesta l&apos;eta.</source>
        <translation>The employee record of %1 is incomplete: the age will be asked for.</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario:</source>
        <translation>Tick the employees whose salary certificate to export:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario in PDF:</source>
        <translation>Tick the employees whose salary certificate to export as PDF:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS):</source>
        <translation>Tick the employees whose salary statement to export:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS) in PDF:</source>
        <translation>Tick the employees whose salary statement to export as PDF:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare in XML ELM:</source>
        <translation>Tick the employees to export as ELM XML:</translation>
    </message>
</context>
<context>
    <name>Ferie</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>invalid value for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>FileIni</name>
    <message>
        <source>carattere NUL</source>
        <translation>NUL character</translation>
    </message>
    <message>
        <source>intestazione di gruppo senza &quot;]&quot;</source>
        <translation>group header without &quot;]&quot;</translation>
    </message>
    <message>
        <source>gruppo senza nome</source>
        <translation>group without a name</translation>
    </message>
    <message>
        <source>testo dopo &quot;]&quot;</source>
        <translation>text after &quot;]&quot;</translation>
    </message>
    <message>
        <source>riga che non è né un gruppo né chiave=valore</source>
        <translation>line that is neither a group nor key=value</translation>
    </message>
    <message>
        <source>chiave senza nome</source>
        <translation>key without a name</translation>
    </message>
    <message>
        <source>%1, riga %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>intestazione di gruppo in un file senza gruppi</source>
        <translation>group header in a file without groups</translation>
    </message>
    <message>
        <source>chiave fuori da ogni gruppo</source>
        <translation>key outside any group</translation>
    </message>
    <message>
        <source>gruppo ripetuto: [%1], già alla riga %2</source>
        <translation>repeated group: [%1], already on line %2</translation>
    </message>
    <message>
        <source>chiave ripetuta: %1, già alla riga %2</source>
        <translation>repeated key: %1, already on line %2</translation>
    </message>
</context>
<context>
    <name>FileSicuri</name>
    <message>
        <source>Il file %1 non esiste.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Il file %1 supera %2 KB e non viene letto.</source>
        <translation>The file %1 exceeds %2 KB and is not read.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>FoglioPaga</name>
    <message>
        <source>Importo versato sul conto</source>
        <translation>Amount paid into the account</translation>
    </message>
    <message>
        <source>Numero AVS: </source>
        <translation>AHV number: </translation>
    </message>
    <message>
        <source>Stipendio mese di </source>
        <translation>Salary for the month of </translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Totale lordo</source>
        <translation>Gross total</translation>
    </message>
    <message>
        <source>Deduzioni</source>
        <translation>Deductions</translation>
    </message>
    <message>
        <source>Imponibile</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Aliquota</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Deduzione</source>
        <translation>Deduction</translation>
    </message>
    <message>
        <source>Totale deduzioni</source>
        <translation>Total deductions</translation>
    </message>
    <message>
        <source>Totale parziale</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Importo versato in contanti</source>
        <translation>Amount paid in cash</translation>
    </message>
    <message>
        <source>Diritto vacanze per anno: %1 settimane</source>
        <translation>Holiday entitlement per year: %1 weeks</translation>
    </message>
    <message>
        <source>Vacanze maturate</source>
        <translation>Holiday accrued</translation>
    </message>
    <message>
        <source>Riporto saldo vacanze anno precedente</source>
        <translation>Holiday balance carried over from previous year</translation>
    </message>
    <message>
        <source>Nuovo saldo vacanze</source>
        <translation>New holiday balance</translation>
    </message>
    <message>
        <source>Comunicazioni: </source>
        <translation>Messages: </translation>
    </message>
    <message>
        <source>Conteggio salario allestito con Vardello</source>
        <translation>Pay slip prepared with Vardello</translation>
    </message>
    <message>
        <source>Dipendente: %1</source>
        <translation>Employee: %1</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - Anno %1</source>
        <translation>Monthly variables entry - Year %1</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Annual total</translation>
    </message>
    <message>
        <source> giorni</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - %1</source>
        <translation>Monthly variables entry - %1</translation>
    </message>
    <message>
        <source>Anno %1</source>
        <translation>Year %1</translation>
    </message>
    <message>
        <source>Riepilogo annuale - Anno %1</source>
        <translation>Annual summary - Year %1</translation>
    </message>
    <message>
        <source>Vacanze prese nell&apos;anno</source>
        <translation>Holiday taken in the year</translation>
    </message>
    <message>
        <source>Non pagati e non compresi nel totale (l&apos;ultima chiusura del mese non li ha potuti conteggiare):</source>
        <translation>Not paid and not in the total (the last closing of the month could not count them):</translation>
    </message>
</context>
<context>
    <name>GeneriSalario</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>invalid value for %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>GestioneAzienda</name>
    <message>
        <source>Azienda</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Company name</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>The company name is required.</translation>
    </message>
    <message>
        <source>Il CAP deve essere di 4 cifre.</source>
        <translation>The postcode must have 4 digits.</translation>
    </message>
    <message>
        <source>Il cantone deve essere di 2 lettere (es. TI).</source>
        <translation>The canton must have 2 letters (e.g. TI).</translation>
    </message>
    <message>
        <source>L&apos;IBAN dell&apos;azienda non è valido: controlla le cifre.</source>
        <translation>The company&apos;s IBAN is not valid: check the digits.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Dati salvati.</source>
        <translation>Data saved.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questa azienda?</source>
        <translation>Permanently delete this company?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>Deletion failed.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Azienda eliminata.</source>
        <translation>Company deleted.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
</context>
<context>
    <name>GestioneCampiMovimento</name>
    <message>
        <source>Gestione campi movimento</source>
        <translation>Manage item fields</translation>
    </message>
    <message>
        <source>Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali).</source>
        <translation>Set up the custom items (statutory deductions, loan repayments, salary items).</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Tipo importo</source>
        <translation>Amount type</translation>
    </message>
    <message>
        <source>Soggetto</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AHV</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>ALV</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>FAK</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>UVG</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>WHT</translation>
    </message>
    <message>
        <source>Mass.AD</source>
        <translation>ALV cap</translation>
    </message>
    <message>
        <source>Mass.LAINF</source>
        <translation>UVG cap</translation>
    </message>
    <message>
        <source>Cat.cert.</source>
        <translation>Cert. cat.</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Expiry</translation>
    </message>
    <message>
        <source>Importo totale</source>
        <translation>Total amount</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Select a row.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Eliminare il campo selezionato?</source>
        <translation>Delete the selected field?</translation>
    </message>
    <message>
        <source>Conferma salvataggio</source>
        <translation>Confirm save</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i campi movimento personalizzati. Confermi?</source>
        <translation>You are about to overwrite the custom item fields. Confirm?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Campi movimento salvati.</source>
        <translation>Item fields saved.</translation>
    </message>
    <message>
        <source>Il file dei campi movimento non si è letto correttamente:
%1</source>
        <translation>The item fields file was not read correctly:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>The changes cannot be saved until the file is correct.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, row %2</translation>
    </message>
</context>
<context>
    <name>GestioneCertificati</name>
    <message>
        <source>Gestione certificati</source>
        <translation>Manage certificates</translation>
    </message>
    <message>
        <source>Certificati salvati:</source>
        <translation>Saved certificates:</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nessun certificato</source>
        <translation>No certificates</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile leggere il file.</source>
        <translation>Could not read the file.</translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Eliminare il certificato &quot;%1&quot;?</source>
        <translation>Delete the certificate &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file:
%1</source>
        <translation>Could not delete the file:
%1</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Spunta almeno un certificato.</source>
        <translation>Tick at least one certificate.</translation>
    </message>
    <message>
        <source>Certificato di salario</source>
        <translation>Salary certificate</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF saved in:
</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>Cartella per i PDF</source>
        <translation>Folder for the PDFs</translation>
    </message>
    <message>
        <source>Esportati: %1
Errori: %2
Cartella: %3</source>
        <translation>Exported: %1
Errors: %2
Folder: %3</translation>
    </message>
    <message>
        <source>Esportati</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>Il certificato non si è letto correttamente:
%1</source>
        <translation>The certificate was not read correctly:
%1</translation>
    </message>
    <message>
        <source>Non ci sono certificati salvati.
Usa %1 &gt; %2</source>
        <translation>There are no saved certificates.
Use %1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>GestioneGeneri</name>
    <message>
        <source>Generi di salario</source>
        <translation>Wage types</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AHV</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>FAK</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>UVG</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Select a row.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Delete the selected row?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Generi salvati.</source>
        <translation>Wage types saved.</translation>
    </message>
    <message>
        <source>Il file dei generi di salario non si è letto correttamente:
%1</source>
        <translation>The wage types file was not read correctly:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>The changes cannot be saved until the file is correct.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
</context>
<context>
    <name>GestioneMovimenti</name>
    <message>
        <source>Importo</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Movimenti straordinari - %1</source>
        <translation>Extraordinary items - %1</translation>
    </message>
    <message>
        <source>Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag.</source>
        <translation>Edit the cells directly. Changing the Type applies preset flags.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Delete the selected row?</translation>
    </message>
    <message>
        <source>Movimenti salvati.</source>
        <translation>Items saved.</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Could not save.</translation>
    </message>
    <message>
        <source>Riga %1: la data &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31/12/2026.</source>
        <translation>Row %1: the date &quot;%2&quot; is not valid: write for example 31/12/2026.</translation>
    </message>
    <message>
        <source>Movimenti</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>Questi movimenti sono datati in un mese gia&apos; salvato nello storico paghe e non sono ancora pagati: per pagarli il mese va conteggiato di nuovo (Chiusura mensile, &quot;Genera tutti e salva&quot;).</source>
        <translation>These items are dated in a month already saved in the payroll history and are not paid yet: to pay them, the month must be counted again (Monthly closing, &quot;Generate all and save&quot;).</translation>
    </message>
    <message>
        <source>Questi movimenti restano salvati come scritti, ma il conteggio del salario non li paga mai:</source>
        <translation>These items stay saved as typed, but the pay slip never pays them:</translation>
    </message>
    <message>
        <source>l&apos;importo e&apos; zero o negativo</source>
        <translation>the amount is zero or negative</translation>
    </message>
    <message>
        <source>nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF</source>
        <translation>none of the boxes AHV, ALV, FAK, UVG, BVG and WHT ticked</translation>
    </message>
    <message>
        <source>riga %1, %2 %3 CHF: %4</source>
        <translation>row %1, %2 %3 CHF: %4</translation>
    </message>
</context>
<context>
    <name>GestioneStipendi</name>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monthly salary</translation>
    </message>
    <message>
        <source>Mensilita</source>
        <translation>Salaries/year</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Add period</translation>
    </message>
    <message>
        <source>Elimina periodo</source>
        <translation>Delete period</translation>
    </message>
    <message>
        <source>Apri scheda</source>
        <translation>Open record</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Periodi (mensilita read-only, calcolata dalla scheda dipendente):</source>
        <translation>Periods (salaries per year read-only, taken from the employee record):</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Seleziona un periodo.</source>
        <translation>Select a period.</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Delete the selected period?</translation>
    </message>
    <message>
        <source>Inizio, riga %1</source>
        <translation>Start, row %1</translation>
    </message>
    <message>
        <source>Fine, riga %1</source>
        <translation>End, row %1</translation>
    </message>
    <message>
        <source>Salario mensile, riga %1</source>
        <translation>Monthly salary, row %1</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Periodi salvati.</source>
        <translation>Periods saved.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Could not save.</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Salary history</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo finisce il %2, prima del suo inizio il %3.</source>
        <translation>&quot;%1&quot;: the period ends on %2, before its start on %3.</translation>
    </message>
    <message>
        <source>Storico stipendi - %1</source>
        <translation>Salary history - %1</translation>
    </message>
</context>
<context>
    <name>GestioneValute</name>
    <message>
        <source>Gestione valute</source>
        <translation>Manage currencies</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Simbolo</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Cambio in CHF</source>
        <translation>Rate in CHF</translation>
    </message>
    <message>
        <source>Arrotonda a 5 cent.</source>
        <translation>Round to 5 cents</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Il franco svizzero e&apos; la valuta di base e non si puo&apos; eliminare.</source>
        <translation>The Swiss franc is the base currency and cannot be deleted.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Valute salvate.</source>
        <translation>Currencies saved.</translation>
    </message>
    <message>
        <source>mancano campi (servono codice;nome;simbolo;cambio;arrotondamento)</source>
        <translation>fields are missing (code;name;symbol;exchange rate;rounding are needed)</translation>
    </message>
    <message>
        <source>ci sono piu&apos; di cinque campi</source>
        <translation>there are more than five fields</translation>
    </message>
    <message>
        <source>il cambio non e&apos; un numero intero</source>
        <translation>the exchange rate is not a whole number</translation>
    </message>
    <message>
        <source>l&apos;arrotondamento non e&apos; 0 o 1</source>
        <translation>the rounding is not 0 or 1</translation>
    </message>
    <message>
        <source>manca il codice</source>
        <translation>the code is missing</translation>
    </message>
    <message>
        <source>contiene un carattere nullo</source>
        <translation>contains a null character</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>The file %1 cannot be read in full: %2.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, row %2</translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; in &quot;%2&quot; non puo&apos; contenere &quot;;&quot; o un a capo.</source>
        <translation>The text &quot;%1&quot; in &quot;%2&quot; cannot contain &quot;;&quot; or a line break.</translation>
    </message>
    <message>
        <source>Manca il codice in &quot;%1&quot;.</source>
        <translation>The code in &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>Il codice &quot;%1&quot; in &quot;%2&quot; e&apos; gia&apos; in un&apos;altra riga.</source>
        <translation>The code &quot;%1&quot; in &quot;%2&quot; is already in another row.</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; deve essere maggiore di zero (al milionesimo).</source>
        <translation>The rate &quot;%1&quot; in &quot;%2&quot; must be greater than zero (to the millionth).</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; ha piu&apos; di 6 decimali: scriverlo con 6 decimali al massimo.</source>
        <translation>The rate &quot;%1&quot; in &quot;%2&quot; has more than 6 decimals: write it with 6 decimals at most.</translation>
    </message>
</context>
<context>
    <name>GestioneVariabili</name>
    <message>
        <source>Mese</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Ore
fatte</source>
        <translation>Hours
worked</translation>
    </message>
    <message>
        <source>Ore extra
25%</source>
        <translation>Overtime
25%</translation>
    </message>
    <message>
        <source>Ore extra
50%</source>
        <translation>Overtime
50%</translation>
    </message>
    <message>
        <source>Ore extra
compensate</source>
        <translation>Overtime
compensated</translation>
    </message>
    <message>
        <source>Rimb.
malattia</source>
        <translation>Sickness
benefit</translation>
    </message>
    <message>
        <source>Rimb.
infortunio</source>
        <translation>Accident
benefit</translation>
    </message>
    <message>
        <source>Rimb.
IPG</source>
        <translation>EO
comp.</translation>
    </message>
    <message>
        <source>Rimb.
spese</source>
        <translation>Expense
refund</translation>
    </message>
    <message>
        <source>Acconti</source>
        <translation>Advances</translation>
    </message>
    <message>
        <source>Rimb.
prestiti</source>
        <translation>Loan
repaym.</translation>
    </message>
    <message>
        <source>Tratt.
UEF</source>
        <translation>Wage
garnish.</translation>
    </message>
    <message>
        <source>Vacanze
(gg)</source>
        <translation>Holiday
(days)</translation>
    </message>
    <message>
        <source>Imp.
imponibili</source>
        <translation>Taxable
amounts</translation>
    </message>
    <message>
        <source>Imp. non
imponibili</source>
        <translation>Non-taxable
amounts</translation>
    </message>
    <message>
        <source>Rimb.
trasferte</source>
        <translation>Travel
refund</translation>
    </message>
    <message>
        <source>Deduz.
assenze</source>
        <translation>Absence
deduct.</translation>
    </message>
    <message>
        <source>Rimb.
assicur.</source>
        <translation>Insurance
refund</translation>
    </message>
    <message>
        <source>13a / 14a /
Gratifica</source>
        <translation>13th / 14th /
Bonus</translation>
    </message>
    <message>
        <source>Note /
Descrizione</source>
        <translation>Notes /
Description</translation>
    </message>
    <message>
        <source>Inserimento variabili mensili</source>
        <translation>Monthly variables entry</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Employee:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Anteprima / Stampa variabili PDF...</source>
        <translation>Preview / Print variables PDF...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Contratto: Salario orario (CHF %1/h)</source>
        <translation>Contract: Hourly wage (CHF %1/h)</translation>
    </message>
    <message>
        <source>Contratto: Stipendio mensile (CHF %1/mese)</source>
        <translation>Contract: Monthly salary (CHF %1/month)</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Annual total</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>IMPORTANT NOTICE - Legal overtime limit (Labour Act, art. 12)</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul lavoro (art. 12 LL):

- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)
- Totale annuo %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Warning: the uncompensated overtime exceeds the reference limits of the Federal Labour Act (art. 12):

- Monthly peak: %1 h (prudent monthly threshold: 40 h)
- Annual total %2: %3 h (legal limit: 140 h/year, or 170 h/year for a 45-hour week)

Do you still want to save these data at your own risk?</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Save at my own risk</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Cancel and correct</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Could not save the variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Variabili mensili salvate.</source>
        <translation>Monthly variables saved.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Monthly variables preview</translation>
    </message>
    <message>
        <source>%1 - ore fatte e straordinarie del mese</source>
        <translation>%1 - hours worked and overtime in the month</translation>
    </message>
</context>
<context>
    <name>ImpostaFonte</name>
    <message>
        <source>(scala non trovata)</source>
        <translation>(scale not found)</translation>
    </message>
    <message>
        <source>%1/%2: %3 scaglioni, figli=%4, chiesa=%5</source>
        <translation>%1/%2: %3 brackets, children=%4, church=%5</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: manca il record finale, il file può essere incompleto.</source>
        <translation>Rates %1, file %2: the final record is missing, the file may be incomplete.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.</source>
        <translation>Rates %1, file %2: the final record states %3 records, the file contains %4.</translation>
    </message>
    <message>
        <source>record di testata in mezzo al file</source>
        <translation>header record in the middle of the file</translation>
    </message>
    <message>
        <source>carattere non valido alla posizione %1</source>
        <translation>invalid character at position %1</translation>
    </message>
    <message>
        <source>tipo di record sconosciuto: &quot;%1&quot;</source>
        <translation>unknown record type: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: record danneggiato (%4); la sua tariffa non viene usata.</source>
        <translation>Tariffs %1, file %2, line %3: damaged record (%4); its tariff is not used.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altri %3 record danneggiati non elencati.</source>
        <translation>Tariffs %1, file %2: %3 more damaged records not listed.</translation>
    </message>
    <message>
        <source>%1 byte invece di %2</source>
        <translation>%1 bytes instead of %2</translation>
    </message>
    <message>
        <source>cantone o codice illeggibile</source>
        <translation>canton or code unreadable</translation>
    </message>
    <message>
        <source>campo non numerico alle posizioni %1-%2: &quot;%3&quot;</source>
        <translation>non-numeric field at positions %1-%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: la tariffa %4 si contraddice (%5); la tariffa non viene usata.</source>
        <translation>Tariffs %1, file %2, line %3: tariff %4 contradicts itself (%5); the tariff is not used.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altre %3 tariffe contraddittorie non elencate.</source>
        <translation>Tariffs %1, file %2: %3 more contradictory tariffs not listed.</translation>
    </message>
    <message>
        <source>valida dal %1, i record precedenti dal %2</source>
        <translation>valid from %1, the earlier records from %2</translation>
    </message>
    <message>
        <source>reddito da %1 non superiore a %2 del record precedente</source>
        <translation>income from %1 not above %2 of the previous record</translation>
    </message>
</context>
<context>
    <name>ImpostaPassword</name>
    <message>
        <source>Imposta password amministratore</source>
        <translation>Set administrator password</translation>
    </message>
    <message>
        <source>Non è ancora stata impostata una password amministratore. Scegline una di almeno %1 caratteri e scrivila due volte.</source>
        <translation>No administrator password has been set yet. Choose one of at least %1 characters and type it twice.</translation>
    </message>
    <message>
        <source>Nuova password:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Ripeti la password:</source>
        <translation>Repeat the password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>La password deve avere almeno %1 caratteri.</source>
        <translation>The password must have at least %1 characters.</translation>
    </message>
    <message>
        <source>Le due password non coincidono.</source>
        <translation>The two passwords do not match.</translation>
    </message>
    <message>
        <source>Impossibile salvare la password in %1.</source>
        <translation>Could not save the password in %1.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Password amministratore</source>
        <translation>Administrator password</translation>
    </message>
    <message>
        <source>Password impostata.</source>
        <translation>Password set.</translation>
    </message>
</context>
<context>
    <name>InputSvizzero</name>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; non e&apos; valido: scrivere ad esempio 5&apos;000.50 oppure 5000,50.</source>
        <translation>The amount &quot;%1&quot; in &quot;%2&quot; is not valid: write for example 5&apos;000.50 or 5000,50.</translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; in &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.</source>
        <translation>The date &quot;%1&quot; in &quot;%2&quot; is not valid: write for example 31.12.2025 or 31/12/2025.</translation>
    </message>
    <message>
        <source>Il valore %1 in &quot;%2&quot; non e&apos; ammesso: deve essere tra %3 e %4.</source>
        <translation>The value %1 in &quot;%2&quot; is not allowed: it must be between %3 and %4.</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; ha troppi decimali: se ne possono scrivere al massimo %3.</source>
        <translation>The value &quot;%1&quot; in &quot;%2&quot; has too many decimals: at most %3 can be entered.</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; supera il massimo ammesso di %3.</source>
        <translation>The amount &quot;%1&quot; in &quot;%2&quot; exceeds the permitted maximum of %3.</translation>
    </message>
</context>
<context>
    <name>LinguaUtente</name>
    <message>
        <source>it</source>
        <extracomment>The two-letter code of the language of this translation: de, fr, en or es.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>ListaDipendenti</name>
    <message>
        <source>Lista Dipendenti</source>
        <translation>Employee List</translation>
    </message>
    <message>
        <source>Dipendenti dell&apos;azienda:</source>
        <translation>Company&apos;s employees:</translation>
    </message>
    <message>
        <source>Cerca dipendente...</source>
        <translation>Search employee...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV number</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>(Nessun dipendente)</source>
        <translation>(No employees)</translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare il dipendente?
</source>
        <translation>Are you sure you want to delete the employee?
</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file del dipendente:
</source>
        <translation>Could not delete the employee&apos;s file:
</translation>
    </message>
</context>
<context>
    <name>LoginAdmin</name>
    <message>
        <source>Password amministratore</source>
        <translation>Administrator password</translation>
    </message>
    <message>
        <source>Inserisci la password amministratore:</source>
        <translation>Enter the administrator password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Password errata.</source>
        <translation>Wrong password.</translation>
    </message>
</context>
<context>
    <name>ModificheNonSalvate</name>
    <message>
        <source>Chiudere?</source>
        <translation>Close?</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation>There are unsaved changes.
Save before closing?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Modifiche non salvate</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvarle prima di continuare?</source>
        <translation>There are unsaved changes.
Save them before going on?</translation>
    </message>
</context>
<context>
    <name>MostraHelp</name>
    <message>
        <source>Manuale</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>File manuale non trovato.</source>
        <translation>Manual file not found.</translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale:
%1

Aprire il file con un browser.</source>
        <translation>Could not open the manual:
%1

Open the file with a browser.</translation>
    </message>
</context>
<context>
    <name>Movimenti</name>
    <message>
        <source>riga %1: il movimento non ha %2</source>
        <translation>line %1: the item has no %2</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>line %1: null character</translation>
    </message>
    <message>
        <source>riga %1: riga non riconosciuta &quot;%2&quot;</source>
        <translation>line %1: unrecognised line &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto, manca la riga vuota tra due movimenti</source>
        <translation>line %1: %2 repeated, the blank line between two items is missing</translation>
    </message>
    <message>
        <source>riga %1: importo non valido</source>
        <translation>line %1: invalid amount</translation>
    </message>
    <message>
        <source>riga %1: categoriaCertificato non valida</source>
        <translation>line %1: invalid categoriaCertificato</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>line %1: %2 is not 0 or 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>The file %1 cannot be read in full: %2.</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo in %2</source>
        <translation>line %1: null character in %2</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>The employee code cannot be used as a file name.</translation>
    </message>
    <message>
        <source>movimento %1 (%2, %3): %4</source>
        <translation>item %1 (%2, %3): %4</translation>
    </message>
    <message>
        <source>Valori non validi, i movimenti non vengono salvati: %1.</source>
        <translation>Invalid values, the items are not saved: %1.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>MovimentiModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Cat.</source>
        <translation>Cat.</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AHV</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>ALV</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>FAK</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>UVG</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>WHT</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Gratifica</source>
        <translation>Bonus</translation>
    </message>
</context>
<context>
    <name>Nazioni</name>
    <message>
        <source>Partita IVA</source>
        <translation>VAT number</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>Tax code</translation>
    </message>
    <message>
        <source>IBAN azienda</source>
        <translation>Company IBAN</translation>
    </message>
    <message>
        <source>BIC azienda</source>
        <translation>Company BIC</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Numéro d&apos;entreprise (BCE/KBO)</source>
        <translation>Enterprise number (BCE/KBO)</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Switzerland</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italy</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Spain</translation>
    </message>
    <message>
        <source>Belgio</source>
        <translation>Belgium</translation>
    </message>
    <message>
        <source>Paesi Bassi</source>
        <translation>Netherlands</translation>
    </message>
    <message>
        <source>Regno Unito</source>
        <translation>United Kingdom</translation>
    </message>
    <message>
        <source>Stati Uniti</source>
        <translation>United States</translation>
    </message>
    <message>
        <source>CHE-123.456.789 IVA</source>
        <translation>CHE-123.456.789 VAT</translation>
    </message>
</context>
<context>
    <name>NuovaAzienda</name>
    <message>
        <source>Nuova Azienda</source>
        <translation>New Company</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Franco svizzero (CHF)</source>
        <translation>Swiss franc (CHF)</translation>
    </message>
    <message>
        <source>Euro (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Company name</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>The company name is required.</translation>
    </message>
    <message>
        <source>La ragione sociale non dà un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>The company name does not give a usable file name: use letters or digits as well.</translation>
    </message>
    <message>
        <source>Azienda esistente</source>
        <translation>Existing company</translation>
    </message>
    <message>
        <source>Esiste già un&apos;azienda salvata nel file %1.
Sostituirla?</source>
        <translation>A company is already saved in the file %1.
Replace it?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati.</source>
        <translation>Could not save the data.</translation>
    </message>
    <message>
        <source>L&apos;IBAN &quot;%1&quot; non e&apos; valido: controllare le cifre (ad esempio CH93 0076 2011 6238 5295 7).</source>
        <translation>The IBAN &quot;%1&quot; is not valid: check the digits (for example CH93 0076 2011 6238 5295 7).</translation>
    </message>
    <message>
        <source>Il BIC &quot;%1&quot; non e&apos; valido: deve avere 8 o 11 caratteri (ad esempio UBSWCHZH80A).</source>
        <translation>The BIC &quot;%1&quot; is not valid: it must have 8 or 11 characters (for example UBSWCHZH80A).</translation>
    </message>
</context>
<context>
    <name>NuovoDipendente</name>
    <message>
        <source>Nuovo Dipendente</source>
        <translation>New Employee</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(not specified)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Married</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Legally separated</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorced</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Widowed</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Registered partnership</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Marital status</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Swiss citizen</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permit C (settled)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permit B (resident)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permit L (short-term)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permit G (cross-border commuter)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permit F (provisionally admitted)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permit S (protection)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Work permit</translation>
    </message>
    <message>
        <source>Data di assunzione</source>
        <translation>Hiring date</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Permanent</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Fixed-term</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Apprenticeship</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Contract type</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>None (12 monthly salaries)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13th month salary</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13th + 14th month salary</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Extra monthly salaries</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Nome e cognome sono obbligatori.</source>
        <translation>First name and last name are required.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Invalid AHV number.</translation>
    </message>
    <message>
        <source>Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>The first and last name do not give a usable file name: use letters or digits as well.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati del dipendente.</source>
        <translation>Could not save the employee&apos;s data.</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV number</translation>
    </message>
    <message>
        <source>Numero AVS gia&apos; presente</source>
        <translation>AHV number already present</translation>
    </message>
    <message>
        <source>Il numero AVS %1 e&apos; gia&apos; registrato per %2.
Salvare comunque il nuovo dipendente?</source>
        <translation>The AHV number %1 is already recorded for %2.
Save the new employee anyway?</translation>
    </message>
    <message>
        <source>Dipendente salvato</source>
        <translation>Employee saved</translation>
    </message>
    <message>
        <source>Il nome di file %1 e&apos; gia&apos; in uso o troppo lungo: il dipendente e&apos; stato salvato come %2.</source>
        <translation>The file name %1 is already in use or too long: the employee has been saved as %2.</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: campo obbligatorio.</source>
        <translation>&quot;%1&quot;: required field.</translation>
    </message>
</context>
<context>
    <name>PagheAnno</name>
    <message>
        <source>Impossibile leggere la scheda del dipendente %1.</source>
        <translation>Could not read the employee record %1.</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 non si può leggere: %3</source>
        <translation>The payroll history %1 of %2 cannot be read: %3</translation>
    </message>
    <message>
        <source>Impossibile stimare l&apos;anno %1 di %2: %3</source>
        <translation>Could not estimate year %1 of %2: %3</translation>
    </message>
    <message>
        <source>%1: nessun mese di servizio nel %2, escluso dai totali.</source>
        <translation>%1: no month of service in %2, excluded from the totals.</translation>
    </message>
    <message>
        <source>%1: escluso, %2</source>
        <translation>%1: excluded, %2</translation>
    </message>
    <message>
        <source>%1: nessun mese salvato nel %2 e imposta alla fonte della stima mancante, escluso dai totali: %3</source>
        <translation>%1: no month saved in %2 and the estimate&apos;s withholding tax missing, left out of the totals: %3</translation>
    </message>
    <message>
        <source>%1: nelle cifre anche mesi salvati prima che l&apos;ultima chiusura non ha potuto conteggiare: %2</source>
        <translation>%1: the figures also hold months saved earlier that the last closing could not count: %2</translation>
    </message>
</context>
<context>
    <name>Pain001</name>
    <message>
        <source>Manca il nome dell&apos;azienda.</source>
        <translation>The company&apos;s name is missing.</translation>
    </message>
    <message>
        <source>IBAN dell&apos;azienda non valido.</source>
        <translation>The company&apos;s IBAN is not valid.</translation>
    </message>
    <message>
        <source>BIC dell&apos;azienda non valido.</source>
        <translation>The company&apos;s BIC is not valid.</translation>
    </message>
    <message>
        <source>Data di esecuzione non valida.</source>
        <translation>Invalid execution date.</translation>
    </message>
    <message>
        <source>Nessun pagamento.</source>
        <translation>No payments.</translation>
    </message>
    <message>
        <source>Manca il nome di un beneficiario.</source>
        <translation>A beneficiary&apos;s name is missing.</translation>
    </message>
    <message>
        <source>IBAN non valido: %1</source>
        <translation>Invalid IBAN: %1</translation>
    </message>
    <message>
        <source>Importo non valido: %1</source>
        <translation>Invalid amount: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Area di lavoro</source>
        <translation>Workspace</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>La lingua verra&apos; applicata al prossimo avvio.</source>
        <translation>The language will be applied at the next start.</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Periodi aggiornati per il nuovo anno.</source>
        <translation>Periods updated for the new year.</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>No changes</translation>
    </message>
    <message>
        <source>Nessun dipendente da aggiornare.</source>
        <translation>No employees to update.</translation>
    </message>
    <message>
        <source>Scegli la cartella per i dati</source>
        <translation>Choose the data folder</translation>
    </message>
    <message>
        <source>Cartella dati</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>Cartella dati impostata su:
</source>
        <translation>Data folder set to:
</translation>
    </message>
    <message>
        <source>Impossibile impostare la cartella dati su:
%1

La cartella dati resta:
%2</source>
        <translation>Could not set the data folder to:
%1

The data folder remains:
%2</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Backup eseguito.</source>
        <translation>Backup done.</translation>
    </message>
    <message>
        <source>Nessuna modifica dall&apos;ultimo backup: nessun nuovo backup.</source>
        <translation>No changes since the last backup: no new backup made.</translation>
    </message>
    <message>
        <source>La cartella dati e&apos; vuota.</source>
        <translation>The data folder is empty.</translation>
    </message>
    <message>
        <source>Backup non riuscito: %1</source>
        <translation>Backup failed: %1</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>No employees</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Create an employee first.</translation>
    </message>
    <message>
        <source>Accesso riservato</source>
        <translation>Restricted access</translation>
    </message>
    <message>
        <source>Questa sezione e&apos; riservata all&apos;amministratore.</source>
        <translation>This section is reserved for the administrator.</translation>
    </message>
    <message>
        <source>Azienda</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Dati azienda</source>
        <translation>Company data</translation>
    </message>
    <message>
        <source>Nuova azienda</source>
        <translation>New company</translation>
    </message>
    <message>
        <source>Cambia azienda...</source>
        <translation>Change company...</translation>
    </message>
    <message>
        <source>Dipendenti</source>
        <translation>Employees</translation>
    </message>
    <message>
        <source>Storico stipendi...</source>
        <translation>Salary history...</translation>
    </message>
    <message>
        <source>Movimenti straordinari...</source>
        <translation>Extraordinary items...</translation>
    </message>
    <message>
        <source>Nuovo dipendente...</source>
        <translation>New employee...</translation>
    </message>
    <message>
        <source>Lista dipendenti...</source>
        <translation>Employee list...</translation>
    </message>
    <message>
        <source>Elaborazione stipendi</source>
        <translation>Payroll</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Monthly variables...</translation>
    </message>
    <message>
        <source>Chiusura mensile...</source>
        <translation>Monthly closing...</translation>
    </message>
    <message>
        <source>Chiusure di fine anno</source>
        <translation>Year-end</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi...</source>
        <translation>New payroll year...</translation>
    </message>
    <message>
        <source>Chiusura esercizio / Blocco annuale...</source>
        <translation>Year-end closing / Annual lock...</translation>
    </message>
    <message>
        <source>Riepilogo Paghe...</source>
        <translation>Payroll Summary...</translation>
    </message>
    <message>
        <source>Esporta CSV contabilità...</source>
        <translation>Export accounting CSV...</translation>
    </message>
    <message>
        <source>Esporta RSS...</source>
        <translation>Export salary statement...</translation>
    </message>
    <message>
        <source>Esporta RSS PDF...</source>
        <translation>Export salary statement PDF...</translation>
    </message>
    <message>
        <source>Esporta certificato di salario...</source>
        <translation>Export salary certificate...</translation>
    </message>
    <message>
        <source>Esporta certificato PDF...</source>
        <translation>Export certificate PDF...</translation>
    </message>
    <message>
        <source>Esporta formulario assegni familiari (HTML)...</source>
        <translation>Export family allowance form (HTML)...</translation>
    </message>
    <message>
        <source>Esporta conteggio CAF (HTML)...</source>
        <translation>Export FAK statement (HTML)...</translation>
    </message>
    <message>
        <source>Gestione certificati...</source>
        <translation>Manage certificates...</translation>
    </message>
    <message>
        <source>Esporta XML ELM...</source>
        <translation>Export ELM XML...</translation>
    </message>
    <message>
        <source>Valute</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Gestione valute</source>
        <translation>Manage currencies</translation>
    </message>
    <message>
        <source>Generi di salario</source>
        <translation>Wage types</translation>
    </message>
    <message>
        <source>Gestione generi...</source>
        <translation>Manage wage types...</translation>
    </message>
    <message>
        <source>Dati</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Parametri AVS/SUVA/LPP...</source>
        <translation>AHV/SUVA/BVG parameters...</translation>
    </message>
    <message>
        <source>Scegli cartella dati...</source>
        <translation>Choose data folder...</translation>
    </message>
    <message>
        <source>Esporta dipendenti CSV...</source>
        <translation>Export employees CSV...</translation>
    </message>
    <message>
        <source>Importa dipendenti CSV...</source>
        <translation>Import employees CSV...</translation>
    </message>
    <message>
        <source>Amministrazione</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Gestione campi movimento...</source>
        <translation>Manage item fields...</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>HTML salvato in:
</source>
        <translation>HTML saved in:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>Salva formulario assegni</source>
        <translation>Save allowance form</translation>
    </message>
    <message>
        <source>Salva conteggio CAF</source>
        <translation>Save FAK statement</translation>
    </message>
    <message>
        <source>Cambia azienda</source>
        <translation>Change company</translation>
    </message>
    <message>
        <source>Vardello si chiude: riavvialo per lavorare con %1.</source>
        <translation>Vardello will now close: restart it to work with %1.</translation>
    </message>
    <message>
        <source>Tariffe imposta alla fonte</source>
        <translation>Withholding tax rates</translation>
    </message>
    <message>
        <source>Ripristino</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Il ripristino interrotto non è stato completato: %1</source>
        <translation>The interrupted restore was not completed: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Collegamenti non copiati: %1</source>
        <translation>Links not copied: %1</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui aprire lo storico stipendi:</source>
        <translation>Tick the employees whose salary history to open:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui gestire i movimenti straordinari:</source>
        <translation>Tick the employees whose extra movements to manage:</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi</source>
        <translation>New payroll year</translation>
    </message>
    <message>
        <source>Anno in cui finiscono i periodi di salario attuali (es. 2026):</source>
        <translation>Year in which the current salary periods end (e.g. 2026):</translation>
    </message>
    <message>
        <source>Anno dei nuovi periodi di salario (es. 2027):</source>
        <translation>Year of the new salary periods (e.g. 2027):</translation>
    </message>
</context>
<context>
    <name>RSS</name>
    <message>
        <source>=== RENDICONTO SALARI %1 ===</source>
        <translation>=== SALARY STATEMENT %1 ===</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Employee: </translation>
    </message>
    <message>
        <source>ID file:    </source>
        <translation>File ID:    </translation>
    </message>
    <message>
        <source>Lordo annuo:         %1 CHF</source>
        <translation>Annual gross:        %1 CHF</translation>
    </message>
    <message>
        <source>Contributi dip.:     %1 CHF</source>
        <translation>Employee contrib.:   %1 CHF</translation>
    </message>
    <message>
        <source>Contributi datore:   %1 CHF</source>
        <translation>Employer contrib.:   %1 CHF</translation>
    </message>
    <message>
        <source>LPP annuo:           %1 CHF</source>
        <translation>Annual BVG:          %1 CHF</translation>
    </message>
    <message>
        <source>Imposta alla fonte:  %1 CHF</source>
        <translation>Withholding tax:     %1 CHF</translation>
    </message>
    <message>
        <source>Netto annuo:         %1 CHF</source>
        <translation>Annual net:          %1 CHF</translation>
    </message>
</context>
<context>
    <name>RiepilogoPaghe</name>
    <message>
        <source>Riepilogo Paghe</source>
        <translation>Payroll Summary</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monthly salary</translation>
    </message>
    <message>
        <source>Lordo annuo</source>
        <translation>Annual gross</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Contributions</translation>
    </message>
    <message>
        <source>Imposta fonte</source>
        <translation>Withholding tax</translation>
    </message>
    <message>
        <source>Netto annuo</source>
        <translation>Annual net</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Ricalcola totali</source>
        <translation>Recalculate totals</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Totali (%1 dipendenti)</source>
        <translation>Totals (%1 employees)</translation>
    </message>
    <message>
        <source>Lordo annuo: %1 CHF
Contributi: %2 CHF
Imposta fonte: %3 CHF
Netto annuo: %4 CHF</source>
        <translation>Annual gross: %1 CHF
Contributions: %2 CHF
Withholding tax: %3 CHF
Annual net: %4 CHF</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF saved in:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Could not save the PDF.</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Impossibile aprire il file per la scrittura.</source>
        <translation>Could not open the file for writing.</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV saved in:
</translation>
    </message>
    <message>
        <source>Riepilogo automatico dell&apos;anno: somme dei mesi salvati nello storico paghe; per chi non ha mesi salvati, stima dei mesi di servizio con il salario dei periodi registrati (spunta i dipendenti da includere):</source>
        <translation>Automatic summary of the year: totals of the months saved in the payroll history; for those with no saved months, an estimate of the months of service with the salary of the recorded periods (tick the employees to include):</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>mesi salvati</source>
        <translation>saved months</translation>
    </message>
    <message>
        <source>stima</source>
        <translation>estimate</translation>
    </message>
    <message>
        <source>nessun mese nell&apos;anno</source>
        <translation>no month in the year</translation>
    </message>
    <message>
        <source>illeggibile</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Di cui %1 dipendenti senza mesi salvati: importi stimati (stima).</source>
        <translation>Of which %1 employees without saved months: estimated amounts (estimate).</translation>
    </message>
    <message>
        <source>Mese del CSV contabilità</source>
        <translation>Month of the accounting CSV</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>imposta mancante</source>
        <translation>tax missing</translation>
    </message>
    <message>
        <source>Nessun dipendente spuntato ha %1 salvato nello storico paghe: il file non contiene nessun importo. Esegui prima la chiusura del mese.</source>
        <translation>No ticked employee has %1 saved in the pay history: the file holds no amount. Close the month first.</translation>
    </message>
    <message>
        <source>L&apos;ultima chiusura di %1 non ha potuto conteggiare questi dipendenti: il file riporta il mese salvato prima, con lo stato &quot;rifiutato dall&apos;ultima chiusura&quot;:</source>
        <translation>The last closing of %1 could not count these employees: the file holds the month saved earlier, with the state &quot;rifiutato dall&apos;ultima chiusura&quot;:</translation>
    </message>
    <message>
        <source>mesi salvati, con rifiuti</source>
        <translation>saved months, with refusals</translation>
    </message>
</context>
<context>
    <name>ScegliAzienda</name>
    <message>
        <source>Scegli Azienda</source>
        <translation>Choose Company</translation>
    </message>
    <message>
        <source>Seleziona un&apos;azienda o creane una nuova:</source>
        <translation>Select a company or create a new one:</translation>
    </message>
    <message>
        <source>Nuova Azienda</source>
        <translation>New Company</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>(Nessuna azienda trovata. Creane una nuova.)</source>
        <translation>(No company found. Create a new one.)</translation>
    </message>
</context>
<context>
    <name>ScegliBanca</name>
    <message>
        <source>Scegli la banca</source>
        <translation>Choose the bank</translation>
    </message>
    <message>
        <source>Seleziona la banca per i pagamenti stipendi:</source>
        <translation>Select the bank for salary payments:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ScegliConteggio</name>
    <message>
        <source>Conteggio</source>
        <translation>Pay slip</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Seleziona il mese da stampare:</source>
        <translation>Select the month to print:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Nessun conteggio disponibile.</source>
        <translation>No pay slip available.</translation>
    </message>
    <message>
        <source>Conteggio del mese %1/%2</source>
        <translation>Pay slip for %1/%2</translation>
    </message>
    <message>
        <source>Lo storico paghe non si legge correttamente: %1</source>
        <translation>The pay history does not read cleanly: %1</translation>
    </message>
</context>
<context>
    <name>ScegliDipendente</name>
    <message>
        <source>Seleziona uno o piu&apos; dipendenti</source>
        <translation>Select one or more employees</translation>
    </message>
    <message>
        <source>Scegli dipendente</source>
        <translation>Choose employee</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare (oppure usa &apos;Seleziona tutti&apos;):</source>
        <translation>Tick the employees to export (or use &apos;Select all&apos;):</translation>
    </message>
    <message>
        <source>Cerca e seleziona un dipendente:</source>
        <translation>Search and select an employee:</translation>
    </message>
    <message>
        <source>Cerca per AVS, cognome o nome...</source>
        <translation>Search by AHV number, last name or first name...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV number</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Cessato</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Spunta almeno un dipendente.</source>
        <translation>Tick at least one employee.</translation>
    </message>
    <message>
        <source>Seleziona un dipendente.</source>
        <translation>Select an employee.</translation>
    </message>
    <message>
        <source>Entrata futura</source>
        <translation>Starts later</translation>
    </message>
</context>
<context>
    <name>SchedaDipendente</name>
    <message>
        <source>Scheda Dipendente</source>
        <translation>Employee Record</translation>
    </message>
    <message>
        <source>&lt;b&gt;N° AVS:&lt;/b&gt;</source>
        <translation>&lt;b&gt;AHV no.:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2</source>
        <translation>&lt;b&gt;Employee:&lt;/b&gt; %1 %2</translation>
    </message>
    <message>
        <source>Periodi di rapporto...</source>
        <translation>Employment periods...</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Salary history</translation>
    </message>
    <message>
        <source>Stampa foglio paga</source>
        <translation>Print pay slip</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Monthly variables...</translation>
    </message>
    <message>
        <source>Stampa variabili mese</source>
        <translation>Print monthly variables</translation>
    </message>
    <message>
        <source>Riepilogo annuale</source>
        <translation>Annual summary</translation>
    </message>
    <message>
        <source>Gestisci figli...</source>
        <translation>Manage children...</translation>
    </message>
    <message>
        <source>Dati amministrativi...</source>
        <translation>Administrative data...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Apri il manuale (D03)</source>
        <translation>Open the manual (D03)</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(not specified)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Married</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Legally separated</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorced</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Widowed</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Registered partnership</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Marital status</translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Marital status since</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Swiss citizen</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permit C (settled)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permit B (resident)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permit L (short-term)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permit G (cross-border commuter)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permit F (provisionally admitted)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permit S (protection)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Work permit</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Si - in Svizzera</source>
        <translation>Yes - in Switzerland</translation>
    </message>
    <message>
        <source>Si - all&apos;Estero</source>
        <translation>Yes - abroad</translation>
    </message>
    <message>
        <source>Coniuge/partner lavora</source>
        <translation>Spouse/partner works</translation>
    </message>
    <message>
        <source>Altre attivita lucrative contemporanee (CH/Estero)</source>
        <translation>Other gainful activities at the same time (CH/abroad)</translation>
    </message>
    <message>
        <source>es. A0, B1, C2, H1, G0</source>
        <translation>e.g. A0, B1, C2, H1, G0</translation>
    </message>
    <message>
        <source>Tariffa Imposte alla Fonte</source>
        <translation>Withholding tax rate</translation>
    </message>
    <message>
        <source>Grado di occupazione (%)</source>
        <translation>Employment level (%)</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Permanent</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Fixed-term</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Apprenticeship</translation>
    </message>
    <message>
        <source>Indipendente</source>
        <translation>Self-employed</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Contract type</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>None (12 monthly salaries)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13th month salary</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13th + 14th month salary</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Extra monthly salaries</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monthly salary</translation>
    </message>
    <message>
        <source>Paga oraria</source>
        <translation>Hourly wage</translation>
    </message>
    <message>
        <source>Tipo di paga</source>
        <translation>Pay type</translation>
    </message>
    <message>
        <source>Salario mensile (CHF)</source>
        <translation>Monthly salary (CHF)</translation>
    </message>
    <message>
        <source>0 = calcola automaticamente</source>
        <translation>0 = calculate automatically</translation>
    </message>
    <message>
        <source>LPP trattenuta (CHF)</source>
        <translation>BVG deduction (CHF)</translation>
    </message>
    <message>
        <source>Paga oraria (CHF/h)</source>
        <translation>Hourly wage (CHF/h)</translation>
    </message>
    <message>
        <source>(nessuno)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>CCL applicabile</source>
        <translation>Applicable CLA</translation>
    </message>
    <message>
        <source>Categoria CCL</source>
        <translation>CLA category</translation>
    </message>
    <message>
        <source>Banca</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>PostFinance</translation>
    </message>
    <message>
        <source>Contanti</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Modalita di pagamento</source>
        <translation>Payment method</translation>
    </message>
    <message>
        <source>CH.. / IT.. / ES.. ecc.</source>
        <translation>CH.. / IT.. / ES.. etc.</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Intestatario conto</source>
        <translation>Account holder</translation>
    </message>
    <message>
        <source>BIC/SWIFT (banche estere)</source>
        <translation>BIC/SWIFT (foreign banks)</translation>
    </message>
    <message>
        <source>BIC/SWIFT</source>
        <translation>BIC/SWIFT</translation>
    </message>
    <message>
        <source>Banca estera</source>
        <translation>Foreign bank</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Il grado di occupazione &quot;%1&quot; non e&apos; valido: scrivere un numero intero, ad esempio 80.</source>
        <translation>The employment level &quot;%1&quot; is not valid: write a whole number, for example 80.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Invalid AHV number.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Dipendente salvato.</source>
        <translation>Employee saved.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questo dipendente?</source>
        <translation>Permanently delete this employee?</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>Deletion failed.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Dipendente eliminato.</source>
        <translation>Employee deleted.</translation>
    </message>
    <message>
        <source>Anteprima foglio paga</source>
        <translation>Pay slip preview</translation>
    </message>
    <message>
        <source>Anteprima riepilogo annuale</source>
        <translation>Annual summary preview</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Monthly variables preview</translation>
    </message>
    <message>
        <source>Foglio paga</source>
        <translation>Pay slip</translation>
    </message>
    <message>
        <source>Nessun conteggio salvato per %1.</source>
        <translation>No payroll saved for %1.</translation>
    </message>
    <message>
        <source>Dati non validi</source>
        <translation>Invalid data</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>The file is not overwritten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo %2 finisce il %3, prima del suo inizio il %4.</source>
        <translation>&quot;%1&quot;: period %2 ends on %3, before its start on %4.</translation>
    </message>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Employment periods</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: la data di nascita %2 di %3 e&apos; dopo oggi.</source>
        <translation>&quot;%1&quot;: the date of birth %2 of %3 is after today.</translation>
    </message>
    <message>
        <source>Figli</source>
        <translation>Children</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 non e&apos; un IBAN valido, controlla le cifre.</source>
        <translation>&quot;%1&quot;: %2 is not a valid IBAN, check the digits.</translation>
    </message>
    <message>
        <source>Lo storico stipendi non viene aggiornato: il dipendente non e&apos; salvato.</source>
        <translation>The salary history is not updated: the employee is not saved.</translation>
    </message>
    <message>
        <source>Dipendente salvato, ma il salario del periodo in corso nello storico stipendi non e&apos; stato aggiornato.</source>
        <translation>Employee saved, but the salary of the current period in the salary history has not been updated.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: i periodi %2 e %3 si sovrappongono: un dipendente ha un solo rapporto alla volta.</source>
        <translation>&quot;%1&quot;: periods %2 and %3 overlap: an employee has one employment at a time.</translation>
    </message>
    <message>
        <source>Lo storico stipendi indica ora %1 per il mese in corso: la scheda mostra questo salario al posto di &quot;%2&quot; scritto prima.</source>
        <translation>The salary history now holds %1 for the current month: the card shows this salary instead of &quot;%2&quot; typed before.</translation>
    </message>
    <message>
        <source>Nessuna tabella dell&apos;imposta alla fonte e&apos; caricata per il cantone %1: la tariffa %2 non puo&apos; essere controllata.</source>
        <translation>No withholding-tax table is loaded for the canton %1: the tariff %2 cannot be checked.</translation>
    </message>
    <message>
        <source>La tariffa %1 non si trova nelle tabelle dell&apos;imposta alla fonte caricate per il cantone %2.</source>
        <translation>The tariff %1 is not in the withholding-tax tables loaded for the canton %2.</translation>
    </message>
    <message>
        <source>Il dipendente viene salvato, ma la chiusura mensile non lo conteggia finche&apos; la sua tariffa non si trova nelle tabelle caricate.</source>
        <translation>The employee is saved, but the monthly closing does not count him until his tariff is in the loaded tables.</translation>
    </message>
    <message>
        <source>Stampa da verificare: lo storico paghe non si e&apos; letto del tutto o il mese non e&apos; il conteggio attuale.</source>
        <translation>Check this printout: the payroll history did not read completely or the month is not the current count.</translation>
    </message>
    <message>
        <source>Il file delle tariffe del cantone %1 contiene la tariffa %2 danneggiata o in contraddizione con se stessa: non viene usata.</source>
        <translation>The tariff file of canton %1 holds tariff %2 damaged or contradicting itself: it is not used.</translation>
    </message>
    <message>
        <source>Mesi che l&apos;ultima chiusura non ha potuto conteggiare, non pagati e esclusi dai totali:</source>
        <translation>Months the last closing could not count, not paid and left out of the totals:</translation>
    </message>
    <message>
        <source>%1 non e&apos; stato pagato: l&apos;ultima chiusura del mese non ha potuto conteggiarlo.
%2

Il foglio paga si stampa quando una chiusura conteggia di nuovo il mese.</source>
        <translation>%1 was not paid: the last closing of the month could not count it.
%2

The pay slip prints once a closing counts the month again.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il %2 non e&apos; prima di oggi.</source>
        <translation>&quot;%1&quot;: %2 is not before today.</translation>
    </message>
    <message>
        <source>Dipendente modificato altrove</source>
        <translation>Employee changed elsewhere</translation>
    </message>
    <message>
        <source>Dopo l&apos;apertura di questa scheda un&apos;altra finestra ha salvato %1. Quello che ha cambiato resta; questi campi sono stati cambiati sia li&apos; sia qui:
%2

Salvare in questi campi i valori di questa scheda?</source>
        <translation>After this card was opened, another window saved %1. What it changed stays; these fields were changed both there and here:
%2

Save this card&apos;s values in these fields?</translation>
    </message>
    <message>
        <source>Salva i valori della scheda</source>
        <translation>Save the card&apos;s values</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>N° AVS</source>
        <translation>AHV no.</translation>
    </message>
</context>
<context>
    <name>SchedaVariabiliDipendente</name>
    <message>
        <source>Ore lavorate normali</source>
        <translation>Normal hours worked</translation>
    </message>
    <message>
        <source>Ore extra 25%</source>
        <translation>Overtime 25%</translation>
    </message>
    <message>
        <source>Ore extra 50%</source>
        <translation>Overtime 50%</translation>
    </message>
    <message>
        <source>Rimborso malattia (CHF)</source>
        <translation>Sickness benefit (CHF)</translation>
    </message>
    <message>
        <source>Rimborso infortunio (CHF)</source>
        <translation>Accident benefit (CHF)</translation>
    </message>
    <message>
        <source>Rimborso IPG (CHF)</source>
        <translation>EO compensation (CHF)</translation>
    </message>
    <message>
        <source>Rimborso spese (CHF)</source>
        <translation>Expense refund (CHF)</translation>
    </message>
    <message>
        <source>Acconti (CHF)</source>
        <translation>Advances (CHF)</translation>
    </message>
    <message>
        <source>Rimborso prestiti (CHF)</source>
        <translation>Loan repayment (CHF)</translation>
    </message>
    <message>
        <source>Trattenute UEF (CHF)</source>
        <translation>Wage garnishment, debt enforcement office (CHF)</translation>
    </message>
    <message>
        <source>Vacanze prese (gg)</source>
        <translation>Holiday taken (days)</translation>
    </message>
    <message>
        <source>Importi imponibili / straordinari (CHF)</source>
        <translation>Taxable / extraordinary amounts (CHF)</translation>
    </message>
    <message>
        <source>Importi non imponibili (CHF)</source>
        <translation>Non-taxable amounts (CHF)</translation>
    </message>
    <message>
        <source>Rimborso trasferte (CHF)</source>
        <translation>Travel refund (CHF)</translation>
    </message>
    <message>
        <source>Deduzione assenze (CHF)</source>
        <translation>Absence deduction (CHF)</translation>
    </message>
    <message>
        <source>Rimborso assicurativo (CHF)</source>
        <translation>Insurance refund (CHF)</translation>
    </message>
    <message>
        <source>13a / Gratifica (CHF)</source>
        <translation>13th / Bonus (CHF)</translation>
    </message>
    <message>
        <source>Variabili mensili dipendente - %1 %2</source>
        <translation>Employee monthly variables - %1 %2</translation>
    </message>
    <message>
        <source>Salario orario (CHF %1/h)</source>
        <translation>Hourly wage (CHF %1/h)</translation>
    </message>
    <message>
        <source>Stipendio mensile (CHF %1/mese)</source>
        <translation>Monthly salary (CHF %1/month)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contratto:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Employee:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;AHV no.:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contract:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Mese da inserire:</source>
        <translation>Month to enter:</translation>
    </message>
    <message>
        <source>Dati variabili del mese selezionato</source>
        <translation>Variable data of the selected month</translation>
    </message>
    <message>
        <source>Note / Descrizione:</source>
        <translation>Notes / Description:</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Ore fatte</source>
        <translation>Hours worked</translation>
    </message>
    <message>
        <source>Ore extra tot.</source>
        <translation>Overtime total</translation>
    </message>
    <message>
        <source>Rimborsi (CHF)</source>
        <translation>Refunds (CHF)</translation>
    </message>
    <message>
        <source>Vacanze (gg)</source>
        <translation>Holiday (days)</translation>
    </message>
    <message>
        <source>Imponibili (CHF)</source>
        <translation>Taxable (CHF)</translation>
    </message>
    <message>
        <source>Non impon. (CHF)</source>
        <translation>Non-taxable (CHF)</translation>
    </message>
    <message>
        <source>13a/Gratifica</source>
        <translation>13th/Bonus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Stampa riepilogo PDF...</source>
        <translation>Print summary PDF...</translation>
    </message>
    <message>
        <source>Salva mese</source>
        <translation>Save month</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):

- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)
- Totale ore extra nell&apos;anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Warning: the overtime entered exceeds the limits of the Federal Labour Act (art. 12):

- Overtime in the month: %1 h (prudent monthly threshold: 40 h)
- Total overtime in the year %2: %3 h (legal limit: 140 h/year, or 170 h/year for a 45-hour week)

Do you still want to save these data at your own risk?</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>IMPORTANT NOTICE - Legal overtime limit (Labour Act, art. 12)</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Save at my own risk</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Cancel and correct</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>L&apos;anno %1 e&apos; chiuso: le variabili non possono essere modificate.</source>
        <translation>The year %1 is closed: the variables cannot be changed.</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Could not save the variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Variabili di %1 %2 salvate.</source>
        <translation>Variables of %1 %2 saved.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Monthly variables preview</translation>
    </message>
    <message>
        <source>Ore lavorate del mese (normali e extra)</source>
        <translation>Hours worked in the month (normal and overtime)</translation>
    </message>
</context>
<context>
    <name>StoricoPaghe</name>
    <message>
        <source>L&apos;esercizio %1 è chiuso.</source>
        <translation>Financial year %1 is closed.</translation>
    </message>
    <message>
        <source>Mese non valido.</source>
        <translation>Invalid month.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>The employee code cannot be used as a file name.</translation>
    </message>
    <message>
        <source>Un importo del mese non è un numero valido: il mese non viene salvato.</source>
        <translation>An amount of the month is not a valid number: the month is not saved.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
    <message>
        <source>importo non valido per %1: &quot;%2&quot;</source>
        <translation>invalid amount for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>mese non valido: [%1]</source>
        <translation>invalid month: [%1]</translation>
    </message>
    <message>
        <source>mese senza motivo: [%1]</source>
        <translation>month without a reason: [%1]</translation>
    </message>
    <message>
        <source>riga non valida: %1</source>
        <translation>invalid line: %1</translation>
    </message>
    <message>
        <source>assegni dei figli senza cantone: [%1]</source>
        <translation>children&apos;s allowances without a canton: [%1]</translation>
    </message>
    <message>
        <source>cantone degli assegni senza figli</source>
        <translation>allowances&apos; canton without children</translation>
    </message>
    <message>
        <source>gli assegni dei figli (%1) non danno gli assegni familiari del mese (%2): [%3]</source>
        <translation>the children&apos;s allowances (%1) do not make up the month&apos;s family allowances (%2): [%3]</translation>
    </message>
    <message>
        <source>cantone non valido: &quot;%1&quot;</source>
        <translation>invalid canton: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>figlio fuori sequenza: %1</source>
        <translation>child out of sequence: %1</translation>
    </message>
    <message>
        <source>età non valida per %1: &quot;%2&quot;</source>
        <translation>invalid age for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>tipo di assegno non valido per %1: &quot;%2&quot;</source>
        <translation>invalid kind of allowance for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>data di nascita non valida per %1: &quot;%2&quot;</source>
        <translation>invalid birth date for %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Gli assegni dei figli del mese non sono validi: il mese non viene salvato.</source>
        <translation>The month&apos;s children&apos;s allowances are not valid: the month is not saved.</translation>
    </message>
</context>
<context>
    <name>StoricoStipendi</name>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>The employee code cannot be used as a file name.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): lo storico non viene salvato.</source>
        <translation>Invalid values (%1): the history is not saved.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>%1 non e&apos; un numero valido</source>
        <translation>%1 is not a valid number</translation>
    </message>
    <message>
        <source>carattere nullo</source>
        <translation>null character</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non e&apos; una riga dello storico</source>
        <translation>&quot;%1&quot; is not a history line</translation>
    </message>
    <message>
        <source>%1 ripetuto (gia&apos; alla riga %2)</source>
        <translation>%1 repeated (already on line %2)</translation>
    </message>
    <message>
        <source>%1 non e&apos; 0 o 1</source>
        <translation>%1 is not 0 or 1</translation>
    </message>
    <message>
        <source>il periodo %1 non ha dataInizio</source>
        <translation>period %1 has no dataInizio</translation>
    </message>
    <message>
        <source>movimenti del periodo %1, che non c&apos;e&apos;</source>
        <translation>items of period %1, which does not exist</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>The file %1 cannot be read in full: %2.</translation>
    </message>
</context>
<context>
    <name>VariabiliMensili</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>The file %1 contains invalid values: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso: le variabili non si possono modificare.</source>
        <translation>Financial year %1 is closed: the variables cannot be changed.</translation>
    </message>
    <message>
        <source>Mancano dei mesi: le variabili non vengono salvate.</source>
        <translation>Some months are missing: the variables are not saved.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>The employee code cannot be used as a file name.</translation>
    </message>
    <message>
        <source>Valore non valido in %1/%2: le variabili non vengono salvate.</source>
        <translation>Invalid value in %1/%2: the variables are not saved.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>The file is not overwritten.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>The file is not overwritten: correct it before saving.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
    <message>
        <source>%1 (riga %2)</source>
        <translation>%1 (line %2)</translation>
    </message>
</context>
</TS>
