<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnteprimaStampa</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Anteprima aperta nel visualizzatore PDF di sistema.</source>
        <translation>Vorschau im PDF-Betrachter des Systems geöffnet.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF:
%1</source>
        <translation>Das PDF konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>PDF salvato</source>
        <translation>PDF gespeichert</translation>
    </message>
    <message>
        <source>File salvato in:
</source>
        <translation>Datei gespeichert unter:
</translation>
    </message>
    <message>
        <source>Nessun visualizzatore PDF si e&apos; aperto. L&apos;anteprima e&apos; salvata in:
%1</source>
        <translation>Es wurde kein PDF-Betrachter geöffnet. Die Vorschau ist gespeichert unter:
%1</translation>
    </message>
</context>
<context>
    <name>AssegniFamiliari</name>
    <message>
        <source>Reddito AVS sotto soglia (630 CHF/mese)</source>
        <translation>AHV-Einkommen unter der Schwelle (630 CHF/Monat)</translation>
    </message>
    <message>
        <source>Cantone %1 non presente in assegni_familiari.ini</source>
        <translation>Kanton %1 fehlt in assegni_familiari.ini</translation>
    </message>
    <message>
        <source>%1 figli assegno, %2 figli formazione</source>
        <translation>%1 Kinder mit Kinderzulage, %2 Kinder mit Ausbildungszulage</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Wert für %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Azienda</name>
    <message>
        <source>riga %1: mancano le righe fisse (ragione sociale, indirizzo, CAP, localita&apos;, cantone, nazione)</source>
        <translation>Zeile %1: Es fehlen die festen Zeilen (Firmenname, Adresse, PLZ, Ort, Kanton, Land)</translation>
    </message>
    <message>
        <source>riga 5: &quot;%1&quot; non e&apos; la sigla di un cantone</source>
        <translation>Zeile 5: &quot;%1&quot; ist kein Kantonskürzel</translation>
    </message>
    <message>
        <source>riga 6: &quot;%1&quot; non e&apos; il codice di una nazione</source>
        <translation>Zeile 6: &quot;%1&quot; ist kein Ländercode</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>Zeile %1: Nullzeichen</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot; non e&apos; una riga chiave=valore</source>
        <translation>Zeile %1: &quot;%2&quot; ist keine Zeile der Form Schlüssel=Wert</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto (gia&apos; alla riga %3)</source>
        <translation>Zeile %1: %2 wiederholt (bereits in Zeile %3)</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; un numero valido</source>
        <translation>Zeile %1: %2 ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>Zeile %1: %2 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Die Datei %1 kann nicht vollständig gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Il nome di file &quot;%1&quot; non è utilizzabile.</source>
        <translation>Der Dateiname &quot;%1&quot; kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati dell&apos;azienda non vengono salvati.</source>
        <translation>Ungültige Werte (%1): Die Firmendaten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Impossibile copiare %1.</source>
        <translation>%1 konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella di backup.</source>
        <translation>Der Backup-Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Impossibile completare il backup %1.</source>
        <translation>Das Backup %1 konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Backup non trovato: %1</source>
        <translation>Backup nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Impossibile ripristinare %1. I dati non sono stati modificati.</source>
        <translation>%1 konnte nicht wiederhergestellt werden. Die Daten wurden nicht verändert.</translation>
    </message>
    <message>
        <source>Impossibile sostituire %1.</source>
        <translation>%1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;indice del backup %1.</source>
        <translation>Der Index des Backups %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Backup di sicurezza non riuscito: %1. I dati non sono stati modificati.</source>
        <translation>Sicherheits-Backup fehlgeschlagen: %1. Die Daten wurden nicht verändert.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati.</source>
        <translation>Das Wiederherstellungsjournal konnte nicht geschrieben werden. Die Daten wurden nicht verändert.</translation>
    </message>
</context>
<context>
    <name>BloccoIndirizzo</name>
    <message>
        <source>CAP inesistente</source>
        <translation>Unbekannte PLZ</translation>
    </message>
    <message>
        <source>Il CAP %1 non corrisponde a nessuna localita svizzera.</source>
        <translation>Die PLZ %1 entspricht keinem Schweizer Ort.</translation>
    </message>
    <message>
        <source>Citta inesistente</source>
        <translation>Unbekannter Ort</translation>
    </message>
    <message>
        <source>La localita &quot;%1&quot; non corrisponde a nessun CAP svizzero.</source>
        <translation>Der Ort &quot;%1&quot; entspricht keiner Schweizer PLZ.</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation>Kanton (Kürzel)</translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation>Kanton</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Spanien</translation>
    </message>
</context>
<context>
    <name>CCL</name>
    <message>
        <source>CCL %1 categoria %2 non trovato in ccl_minimi.ini</source>
        <translation>GAV %1 Kategorie %2 nicht in ccl_minimi.ini gefunden</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ACHTUNG: Lohn CHF %1 unter dem GAV-Mindestlohn %2 (%3) = CHF %4/Monat. Möglicher Verstoss gegen den GAV. Fortfahren auf eigenes Risiko.</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Wert für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>La tabella dei minimi CCL non si è letta correttamente:
%1</source>
        <translation>Die Tabelle der GAV-Mindestlöhne wurde nicht korrekt gelesen:
%1</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/ora. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ACHTUNG: Lohn CHF %1 unter dem GAV-Mindestlohn %2 (%3) = CHF %4/Stunde. Möglicher Verstoss gegen den GAV. Fortfahren auf eigenes Risiko.</translation>
    </message>
</context>
<context>
    <name>CampiInfortuni</name>
    <message>
        <source>Assicurazione infortuni (LAINF)</source>
        <translation>Unfallversicherung (UVG)</translation>
    </message>
    <message>
        <source>Premio infortuni professionali (‰)</source>
        <translation>Prämie Berufsunfall (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, uomini (‰)</source>
        <translation>Prämie Nichtberufsunfall, Männer (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, donne (‰)</source>
        <translation>Prämie Nichtberufsunfall, Frauen (‰)</translation>
    </message>
    <message>
        <source>Massimale annuo (CHF)</source>
        <translation>Jährlicher Höchstbetrag (CHF)</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; non e&apos; un numero valido.</source>
        <translation>Der Wert &quot;%1&quot; in &quot;%2&quot; ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>Il valore in &quot;%1&quot; deve essere tra 0 e %2.</source>
        <translation>Der Wert in &quot;%1&quot; muss zwischen 0 und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>CampiMovimento</name>
    <message>
        <source>Un campo senza nome non puo&apos; essere salvato.</source>
        <translation>Ein Feld ohne Namen kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; non puo&apos; contenere &quot;/&quot; o &quot;\&quot;.</source>
        <translation>Der Name &quot;%1&quot; darf weder &quot;/&quot; noch &quot;\&quot; enthalten.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; compare piu&apos; volte.</source>
        <translation>Der Name &quot;%1&quot; kommt mehrmals vor.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>ungültiger Wert für %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Il file %1 non si è letto correttamente e non viene sovrascritto:
%2</source>
        <translation>Die Datei %1 wurde nicht korrekt gelesen und wird nicht überschrieben:
%2</translation>
    </message>
</context>
<context>
    <name>CampoData</name>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>tt/mm/jjjj</translation>
    </message>
</context>
<context>
    <name>Certificato</name>
    <message>
        <source>ID dipendente: </source>
        <translation>Mitarbeiter-ID: </translation>
    </message>
    <message>
        <source>Anno: </source>
        <translation>Jahr: </translation>
    </message>
    <message>
        <source>
Osservazioni:
</source>
        <translation>
Bemerkungen:
</translation>
    </message>
    <message>
        <source>Importi stimati (stima): nessun mese dell&apos;anno e&apos; salvato nello storico paghe.</source>
        <translation>Geschätzte Beträge (Schätzung): Kein Monat des Jahres ist in der Lohnhistorie gespeichert.</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):     %1 CHF
</source>
        <translation>Ziffer 1 (Lohn):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie):%1 CHF
</source>
        <translation>Ziffer 2 (Nebenleist.):%1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari):%1 CHF
</source>
        <translation>Ziffer 3 (unregelm.):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):    %1 CHF
</source>
        <translation>Ziffer 8 (Total):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi):%1 CHF
</source>
        <translation>Ziffer 9 (Beiträge):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):    %1 CHF
</source>
        <translation>Ziffer 10.1 (BVG):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):    %1 CHF
</source>
        <translation>Ziffer 10.2 (BVG):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):    %1 CHF
</source>
        <translation>Ziffer 11 (netto):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):  %1 CHF
</source>
        <translation>Ziffer 12 (Steuer):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):      %1 CHF
</source>
        <translation>Ziffer 1 (Lohn):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie): %1 CHF
</source>
        <translation>Ziffer 2 (Nebenleist.): %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari): %1 CHF
</source>
        <translation>Ziffer 3 (unregelm.):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):     %1 CHF
</source>
        <translation>Ziffer 8 (Total):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi): %1 CHF
</source>
        <translation>Ziffer 9 (Beiträge):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):     %1 CHF
</source>
        <translation>Ziffer 10.1 (BVG):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):     %1 CHF
</source>
        <translation>Ziffer 10.2 (BVG):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):     %1 CHF
</source>
        <translation>Ziffer 11 (netto):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):   %1 CHF
</source>
        <translation>Ziffer 12 (Steuer):     %1 CHF
</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Mitarbeiter: </translation>
    </message>
    <message>
        <source>Salario mensile lordo: %1 CHF
</source>
        <translation>Bruttomonatslohn: %1 CHF
</translation>
    </message>
    <message>
        <source>Salario annuo lordo: %1 CHF
</source>
        <translation>Bruttojahreslohn: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi dipendente: %1 CHF
</source>
        <translation>Arbeitnehmerbeiträge: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi datore: %1 CHF
</source>
        <translation>Arbeitgeberbeiträge: %1 CHF
</translation>
    </message>
    <message>
        <source>LPP annuo: %1 CHF
</source>
        <translation>BVG jährlich: %1 CHF
</translation>
    </message>
    <message>
        <source>Imposta fonte annua: %1 CHF
</source>
        <translation>Quellensteuer jährlich: %1 CHF
</translation>
    </message>
    <message>
        <source>Netto annuo: %1 CHF
</source>
        <translation>Nettojahreslohn: %1 CHF
</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Wert für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>unbekannter Schlüssel: %1</translation>
    </message>
    <message>
        <source>Nel file %1 mancano le chiavi: %2.</source>
        <translation>In der Datei %1 fehlen die Schlüssel: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: il certificato non può essere scritto.</source>
        <translation>Das Geschäftsjahr %1 ist abgeschlossen und gesperrt: Der Lohnausweis kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnuale</name>
    <message>
        <source>Anno non valido.</source>
        <translation>Ungültiges Jahr.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 risulta già chiuso.</source>
        <translation>Das Geschäftsjahr %1 ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di chiusura esercizio.</source>
        <translation>Die Datei des Jahresabschlusses konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è già aperto.</source>
        <translation>Das Geschäftsjahr %1 ist bereits offen.</translation>
    </message>
    <message>
        <source>Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit.</source>
        <translation>Bitte eine ausführliche Begründung (mindestens 5 Zeichen) für das Audit-Protokoll eingeben.</translation>
    </message>
    <message>
        <source>Impossibile aggiornare il file di stato dell&apos;esercizio.</source>
        <translation>Die Statusdatei des Geschäftsjahres konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Il file di stato dell&apos;esercizio %1 non si legge correttamente: l&apos;esercizio resta bloccato finché il file non è corretto.
%2</source>
        <translation>Die Statusdatei des Geschäftsjahres %1 kann nicht korrekt gelesen werden: Das Geschäftsjahr bleibt gesperrt, bis die Datei korrigiert ist.
%2</translation>
    </message>
    <message>
        <source>valore non valido per chiuso: &quot;%1&quot;</source>
        <translation>ungültiger Wert für chiuso: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per anno: &quot;%1&quot;</source>
        <translation>ungültiger Wert für anno: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per fileSigillati: &quot;%1&quot;</source>
        <translation>ungültiger Wert für fileSigillati: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>unbekannter Schlüssel: %1</translation>
    </message>
    <message>
        <source>Nel file %1 manca la riga &quot;chiuso&quot;.</source>
        <translation>In der Datei %1 fehlt die Zeile &quot;chiuso&quot;.</translation>
    </message>
    <message>
        <source>valore non valido per rifiutiSigillati: &quot;%1&quot;</source>
        <translation>ungültiger Wert für rifiutiSigillati: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnualeDialog</name>
    <message>
        <source>Chiusura esercizio / Blocco annuale</source>
        <translation>Jahresabschluss / Jahressperre</translation>
    </message>
    <message>
        <source>La chiusura dell&apos;esercizio sigilla le buste paga, le variabili mensili e le aliquote dell&apos;anno selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili.</source>
        <translation>Der Jahresabschluss versiegelt die Lohnabrechnungen, die monatlichen Variablen und die Beitragssätze des gewählten Jahres mit einem kryptografischen SHA-256-Fingerabdruck und verhindert so rückwirkende Änderungen. Anzeigen und Drucken von Lohnabrechnungen, Lohnausweisen und Übersichten bleiben jederzeit möglich.</translation>
    </message>
    <message>
        <source>Es. Chiusura definitiva post-revisione e invio certificati di salario</source>
        <translation>Z.B. Definitiver Abschluss nach Revision und Versand der Lohnausweise</translation>
    </message>
    <message>
        <source>Stato e sigillo dell&apos;esercizio contabile</source>
        <translation>Status und Siegel des Geschäftsjahres</translation>
    </message>
    <message>
        <source>Esercizio (Anno):</source>
        <translation>Geschäftsjahr (Jahr):</translation>
    </message>
    <message>
        <source>Stato attuale:</source>
        <translation>Aktueller Status:</translation>
    </message>
    <message>
        <source>Verifica integrità:</source>
        <translation>Integritätsprüfung:</translation>
    </message>
    <message>
        <source>Dettagli sigillo:</source>
        <translation>Siegeldetails:</translation>
    </message>
    <message>
        <source>Note di chiusura:</source>
        <translation>Abschlussnotizen:</translation>
    </message>
    <message>
        <source>Chiudi e blocca esercizio</source>
        <translation>Geschäftsjahr abschliessen und sperren</translation>
    </message>
    <message>
        <source>Sblocco straordinario...</source>
        <translation>Ausserordentliche Entsperrung...</translation>
    </message>
    <message>
        <source>Chiudi finestra</source>
        <translation>Fenster schliessen</translation>
    </message>
    <message>
        <source>Registro storico chiusure e sblocchi (Audit Log):</source>
        <translation>Protokoll der Abschlüsse und Entsperrungen (Audit Log):</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;CHIUSO E BLOCCATO (Sola lettura)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;ABGESCHLOSSEN UND GESPERRT (Nur Lesen)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÀ VERIFICATA (SHA-256 corrispondente)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÄT GEPRÜFT (SHA-256 stimmt überein)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENZIONE: I file su disco differiscono dall&apos;impronta sigillata!&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;ACHTUNG: Die Dateien auf dem Datenträger weichen vom versiegelten Fingerabdruck ab!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Chiuso il: %1 | Operatore: %2 | File sigillati: %3
SHA-256: %4</source>
        <translation>Abgeschlossen am: %1 | Benutzer: %2 | Versiegelte Dateien: %3
SHA-256: %4</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;APERTO (Modificabile)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;OFFEN (Bearbeitbar)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Esercizio in corso (%1 file annuali rilevati).</source>
        <translation>Laufendes Geschäftsjahr (%1 Jahresdateien gefunden).</translation>
    </message>
    <message>
        <source>Impronta attuale non sigillata:
SHA-256: %1</source>
        <translation>Aktueller, nicht versiegelter Fingerabdruck:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Nessuna operazione registrata finora.</source>
        <translation>Bisher wurde keine Aktion protokolliert.</translation>
    </message>
    <message>
        <source>Conferma chiusura esercizio %1</source>
        <translation>Jahresabschluss %1 bestätigen</translation>
    </message>
    <message>
        <source>Vuoi davvero chiudere e bloccare definitivamente l&apos;esercizio %1?

Dopo la chiusura non sarà più possibile modificare buste paga, variabili mensili o aliquote per l&apos;anno %1.</source>
        <translation>Möchten Sie das Geschäftsjahr %1 wirklich definitiv abschliessen und sperren?

Nach dem Abschluss können Lohnabrechnungen, monatliche Variablen und Beitragssätze für das Jahr %1 nicht mehr geändert werden.</translation>
    </message>
    <message>
        <source>Errore chiusura</source>
        <translation>Fehler beim Abschluss</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Geschäftsjahr abgeschlossen</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato chiuso e sigillato con successo.</source>
        <translation>Das Geschäftsjahr %1 wurde erfolgreich abgeschlossen und versiegelt.</translation>
    </message>
    <message>
        <source>Sblocco straordinario esercizio %1</source>
        <translation>Ausserordentliche Entsperrung Geschäftsjahr %1</translation>
    </message>
    <message>
        <source>La riapertura verrà registrata in modo permanente nel registro di audit.
Inserisci la motivazione obbligatoria:</source>
        <translation>Die Wiedereröffnung wird dauerhaft im Audit-Protokoll festgehalten.
Geben Sie die obligatorische Begründung ein:</translation>
    </message>
    <message>
        <source>Sblocco non consentito</source>
        <translation>Entsperrung nicht zulässig</translation>
    </message>
    <message>
        <source>Esercizio riaperto</source>
        <translation>Geschäftsjahr wiedereröffnet</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato riaperto e registrato nel log.</source>
        <translation>Das Geschäftsjahr %1 wurde wiedereröffnet und im Protokoll festgehalten.</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;FILE DI STATO DANNEGGIATO: esercizio bloccato&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;STATUSDATEI BESCHÄDIGT: Geschäftsjahr gesperrt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Impronta attuale:
SHA-256: %1</source>
        <translation>Aktueller Fingerabdruck:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Il sigillo e il blocco valgono per tutte le aziende della cartella dati. Saranno sigillati i file dell&apos;anno %1 di: %2.</source>
        <translation>Siegel und Sperre gelten für alle Firmen des Datenordners. Versiegelt werden die Dateien des Jahres %1 von: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChiusuraMensile</name>
    <message>
        <source>Chiusura mensile</source>
        <translation>Monatsabschluss</translation>
    </message>
    <message>
        <source>Includi 13a automatica a dicembre (e 14a a giugno)</source>
        <translation>13. Monatslohn automatisch im Dezember einschliessen (und 14. im Juni)</translation>
    </message>
    <message>
        <source>Calcola anteprima</source>
        <translation>Vorschau berechnen</translation>
    </message>
    <message>
        <source>Genera tutti e salva</source>
        <translation>Alle erstellen und speichern</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Liquida 13a/14a pro-rata a dipendente...</source>
        <translation>13./14. Monatslohn pro rata an Mitarbeiter auszahlen...</translation>
    </message>
    <message>
        <source>Salva selezionati</source>
        <translation>Ausgewählte speichern</translation>
    </message>
    <message>
        <source>Genera file banca</source>
        <translation>Bankdatei erstellen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV-Nummer</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Lordo contrib.</source>
        <translation>AHV-Lohn</translation>
    </message>
    <message>
        <source>Lordo fiscale</source>
        <translation>Steuerbarer Lohn</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Beiträge</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>Assegni</source>
        <translation>Zulagen</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>QST</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Es. Buone feste a tutti</source>
        <translation>Z.B. Frohe Festtage allen</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Comunicazioni (opzionale, per tutti):</source>
        <translation>Mitteilungen (optional, für alle):</translation>
    </message>
    <message>
        <source> (senza conteggio)</source>
        <translation> (ohne Abrechnung)</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Imposta alla fonte</source>
        <translation>Quellensteuer</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Geschäftsjahr abgeschlossen</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.</source>
        <translation>Das Geschäftsjahr %1 ist abgeschlossen und gesperrt: Lohnabrechnungen können nicht erstellt oder überschrieben werden.</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati, nessun errore.</source>
        <translation>Abschluss beendet: %1 Abrechnungen erstellt, keine Fehler.</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Periode:</translation>
    </message>
    <message>
        <source>Lordo contributivo:</source>
        <translation>AHV-Lohn:</translation>
    </message>
    <message>
        <source>Lordo imponibile:</source>
        <translation>Steuerbarer Lohn:</translation>
    </message>
    <message>
        <source>Contributi dip.:</source>
        <translation>Beiträge AN:</translation>
    </message>
    <message>
        <source>LPP dip.:</source>
        <translation>BVG AN:</translation>
    </message>
    <message>
        <source>Assegni familiari:</source>
        <translation>Familienzulagen:</translation>
    </message>
    <message>
        <source>Imposta (conguagl.):</source>
        <translation>Quellensteuer (ausgegl.):</translation>
    </message>
    <message>
        <source>Netto:</source>
        <translation>Netto:</translation>
    </message>
    <message>
        <source>Modalita pagamento:</source>
        <translation>Zahlungsart:</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN:</translation>
    </message>
    <message>
        <source>Intestatario:</source>
        <translation>Kontoinhaber:</translation>
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
        <translation>bar</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>

Vuoi salvare questo conteggio salario in PDF?</source>
        <translation>

Möchten Sie diese Lohnabrechnung als PDF speichern?</translation>
    </message>
    <message>
        <source>Salva conteggio salario PDF</source>
        <translation>Lohnabrechnung als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Conteggio salario</source>
        <translation>Lohnabrechnung</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>PDF salvato:
</source>
        <translation>PDF gespeichert:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Das PDF konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.</source>
        <translation>Das Geschäftsjahr %1 ist abgeschlossen und gesperrt: Der 13./14. Monatslohn kann nicht ausbezahlt werden.</translation>
    </message>
    <message>
        <source>Liquidazione 13a/14a</source>
        <translation>Auszahlung 13./14. Monatslohn</translation>
    </message>
    <message>
        <source>Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):</source>
        <translation>Betrag 13./14. Monatslohn für %1 %2 (%3/%4, %5 Monate):</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili mensili.</source>
        <translation>Die monatlichen Variablen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente con la casella.</source>
        <translation>Markieren Sie mindestens einen Mitarbeiter mit dem Kästchen.</translation>
    </message>
    <message>
        <source>Scegli una cartella (il nome file verra&apos; ignorato)</source>
        <translation>Ordner wählen (der Dateiname wird ignoriert)</translation>
    </message>
    <message>
        <source>Stampa completata</source>
        <translation>Druck abgeschlossen</translation>
    </message>
    <message>
        <source>PDF generati: %1</source>
        <translation>Erstellte PDF: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 PDF in:
%2</source>
        <translation>%1 PDF konnten nicht geschrieben werden in:
%2</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente.</source>
        <translation>Wählen Sie mindestens einen Mitarbeiter.</translation>
    </message>
    <message>
        <source>Dati azienda mancanti</source>
        <translation>Firmendaten fehlen</translation>
    </message>
    <message>
        <source>Configura IBAN e BIC dell&apos;azienda.</source>
        <translation>Erfassen Sie IBAN und BIC der Firma.</translation>
    </message>
    <message>
        <source>Nessun pagamento</source>
        <translation>Keine Zahlungen</translation>
    </message>
    <message>
        <source>Nessun dipendente selezionato ha netto ed IBAN validi.</source>
        <translation>Kein ausgewählter Mitarbeiter hat einen gültigen Nettolohn und eine gültige IBAN.</translation>
    </message>
    <message>
        <source>File banca non generato</source>
        <translation>Bankdatei nicht erstellt</translation>
    </message>
    <message>
        <source>La banca rifiuterebbe il file:</source>
        <translation>Die Bank würde die Datei ablehnen:</translation>
    </message>
    <message>
        <source>Salva file banca (pain.001)</source>
        <translation>Bankdatei speichern (pain.001)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>File generato con %1 pagamenti.</source>
        <translation>Datei mit %1 Zahlungen erstellt.</translation>
    </message>
    <message>
        <source>Salvataggio fallito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation>Beitragspflichtiger Lohn</translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation>Familienzulagen</translation>
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
        <translation>Nichtberufsunfall (NBU)</translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation>Pensionskasse (BVG)</translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation>Quellensteuer</translation>
    </message>
    <message>
        <source>banca</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>posta</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Non pagati con questo file:</source>
        <translation>Mit dieser Datei nicht bezahlt:</translation>
    </message>
    <message>
        <source>Altre voci imponibili</source>
        <translation>Weitere pflichtige Positionen</translation>
    </message>
    <message>
        <source>Cassa assegni familiari (CAF)</source>
        <translation>Familienausgleichskasse (FAK)</translation>
    </message>
    <message>
        <source>Arrotondamento</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>nessun conteggio salvato per il mese</source>
        <translation>keine gespeicherte Abrechnung für den Monat</translation>
    </message>
    <message>
        <source>netto non positivo</source>
        <translation>Nettolohn nicht positiv</translation>
    </message>
    <message>
        <source>pagato in contanti</source>
        <translation>bar bezahlt</translation>
    </message>
    <message>
        <source>IBAN mancante</source>
        <translation>IBAN fehlt</translation>
    </message>
    <message>
        <source>IBAN non valido (%1)</source>
        <translation>Ungültige IBAN (%1)</translation>
    </message>
    <message>
        <source>la scheda del dipendente non si puo&apos; leggere</source>
        <translation>das Personalblatt des Mitarbeiters kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Imposta alla fonte:</source>
        <translation>Quellensteuer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File esistente</source>
        <translation>Datei bereits vorhanden</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;.
Sostituirlo?</source>
        <translation>Die Datei %1 existiert bereits.
Ersetzen?</translation>
    </message>
    <message>
        <source>File esistenti lasciati come erano: %1</source>
        <translation>Bestehende Dateien unverändert belassen: %1</translation>
    </message>
    <message>
        <source>Mancano le tabelle dell&apos;imposta alla fonte per:
%1

Il programma cerca i file tar*.txt in:
%2

Per questi dipendenti l&apos;imposta risulta 0 e &quot;Genera tutti e salva&quot; non salva il loro mese.</source>
        <translation>Es fehlen die Quellensteuertabellen für:
%1

Das Programm sucht die Dateien tar*.txt in:
%2

Für diese Mitarbeiter beträgt die Quellensteuer 0, und &quot;Alle erstellen und speichern&quot; speichert ihren Monat nicht.</translation>
    </message>
    <message>
        <source>13a/14a dovute pro rata e non pagate a chi lascia l&apos;azienda (&quot;Liquida 13a/14a pro-rata a dipendente...&quot; o 13a automatica):</source>
        <translation>13./14. Monatslohn pro rata geschuldet und nicht ausbezahlt an Austretende (&quot;13./14. Monatslohn pro rata an Mitarbeiter auszahlen...&quot; oder automatischer 13. Monatslohn):</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati.</source>
        <translation>Abschluss beendet: %1 Abrechnungen erstellt.</translation>
    </message>
    <message>
        <source>Senza cedolino:</source>
        <translation>Ohne Lohnabrechnung:</translation>
    </message>
    <message>
        <source>Senza conteggio:</source>
        <translation>Ohne Abrechnung:</translation>
    </message>
    <message>
        <source>l&apos;esito del conteggio non si puo&apos; registrare: %1</source>
        <translation>das Ergebnis der Abrechnung kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>lo storico paghe non si legge correttamente: %1</source>
        <translation>die Lohnhistorie lässt sich nicht fehlerfrei lesen: %1</translation>
    </message>
    <message>
        <source>Fuori periodo di rapporto: il mese salvato prima non rientra più in nessun periodo di rapporto della scheda e non viene pagato</source>
        <translation>Ausserhalb der Anstellungsdauer: Der früher gespeicherte Monat liegt in keiner Anstellungsperiode der Karte mehr und wird nicht ausbezahlt</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 %3 non si legge correttamente: nessuna liquidazione viene registrata. Correggi il file e riprova.</source>
        <translation>Die Lohnhistorie %1 von %2 %3 lässt sich nicht fehlerfrei lesen: Es wird keine Auszahlung erfasst. Korrigiere die Datei und versuche es erneut.</translation>
    </message>
    <message>
        <source>i rifiuti dell&apos;ultima chiusura non si leggono correttamente: %1</source>
        <translation>die Ablehnungen des letzten Abschlusses lassen sich nicht fehlerfrei lesen: %1</translation>
    </message>
    <message>
        <source>Chiusura completata con errori:
%1 conteggi generati
%2 conteggi NON generati.

Dipendenti senza conteggio, con il motivo:</source>
        <translation>Abschluss mit Fehlern beendet:
%1 Abrechnungen erstellt
%2 Abrechnungen NICHT erstellt.

Mitarbeiter ohne Abrechnung, mit dem Grund:</translation>
    </message>
    <message>
        <source>Scegli il dipendente a cui liquidare la 13a/14a pro rata:</source>
        <translation>Wählen Sie den Mitarbeiter, dem der 13./14. Monatslohn pro rata ausbezahlt wird:</translation>
    </message>
    <message>
        <source>Movimenti non pagati</source>
        <translation>Nicht ausbezahlte Buchungen</translation>
    </message>
    <message>
        <source>Movimenti datati in %1, mese gia&apos; salvato, che il mese salvato non paga: &quot;Genera tutti e salva&quot; conteggia di nuovo il mese e li paga.</source>
        <translation>Buchungen mit Datum im %1, einem schon gespeicherten Monat, die der gespeicherte Monat nicht bezahlt: &quot;Alle erstellen und speichern&quot; rechnet den Monat neu ab und bezahlt sie.</translation>
    </message>
    <message>
        <source>%1 %2 è pagato a ore: la 13a mensilità (8.33%) è pagata ogni mese con le ore e il conteggio orario non paga una liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 ist im Stundenlohn: Der 13. Monatslohn (8.33%) wird jeden Monat mit den Stunden bezahlt, und die Abrechnung im Stundenlohn zahlt keine Auszahlung. Kein Betrag erfasst.</translation>
    </message>
    <message>
        <source>%1 %2 non è in servizio nel mese %3/%4: il mese non viene conteggiato e non pagherebbe la liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 ist im Monat %3/%4 nicht angestellt: Der Monat wird nicht abgerechnet und würde die Auszahlung nicht bezahlen. Kein Betrag erfasst.</translation>
    </message>
</context>
<context>
    <name>ConteggioSalario</name>
    <message>
        <source>Fuori periodo di rapporto</source>
        <translation>Ausserhalb der Anstellungsdauer</translation>
    </message>
    <message>
        <source>Mese non valido</source>
        <translation>Ungültiger Monat</translation>
    </message>
    <message>
        <source>Impossibile salvare lo storico paghe</source>
        <translation>Die Lohnhistorie konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Salario orario (%1 h x %2)</source>
        <translation>Stundenlohn (%1 h x %2)</translation>
    </message>
    <message>
        <source>Ore straordinarie 25% (%1 h)</source>
        <translation>Überstunden 25% (%1 h)</translation>
    </message>
    <message>
        <source>Ore straordinarie 50% (%1 h)</source>
        <translation>Überstunden 50% (%1 h)</translation>
    </message>
    <message>
        <source>13a mensilità (8.33%)</source>
        <translation>13. Monatslohn (8.33%)</translation>
    </message>
    <message>
        <source>Indennità vacanze</source>
        <translation>Ferienentschädigung</translation>
    </message>
    <message>
        <source>Indennità giorni festivi (2.27%)</source>
        <translation>Feiertagsentschädigung (2.27%)</translation>
    </message>
    <message>
        <source>Indennità malattia</source>
        <translation>Krankentaggeld</translation>
    </message>
    <message>
        <source>Indennità infortunio</source>
        <translation>Unfalltaggeld</translation>
    </message>
    <message>
        <source>Indennità IPG</source>
        <translation>EO-Entschädigung</translation>
    </message>
    <message>
        <source>Rimborso spese</source>
        <translation>Spesenvergütung</translation>
    </message>
    <message>
        <source>Acconto</source>
        <translation>Vorschuss</translation>
    </message>
    <message>
        <source>Rimborso prestito</source>
        <translation>Darlehensrückzahlung</translation>
    </message>
    <message>
        <source>Trattenuta UEF</source>
        <translation>Lohnpfändung Betreibungsamt</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monatslohn</translation>
    </message>
    <message>
        <source>14a mensilità</source>
        <translation>14. Monatslohn</translation>
    </message>
    <message>
        <source>13a mensilità</source>
        <translation>13. Monatslohn</translation>
    </message>
    <message>
        <source>13a / 14a / gratifica</source>
        <translation>13. / 14. / Gratifikation</translation>
    </message>
    <message>
        <source>Importi imponibili</source>
        <translation>Pflichtige Beträge</translation>
    </message>
    <message>
        <source>Deduzione assenze</source>
        <translation>Abzug Absenzen</translation>
    </message>
    <message>
        <source>Rimborso assicurativo</source>
        <translation>Versicherungsleistung</translation>
    </message>
    <message>
        <source>Importi non imponibili</source>
        <translation>Nicht pflichtige Beträge</translation>
    </message>
    <message>
        <source>Rimborso trasferte</source>
        <translation>Reisespesen</translation>
    </message>
    <message>
        <source>Movimento</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>Parametri dell&apos;anno %1 non validi: %2</source>
        <translation>Ungültige Parameter des Jahres %1: %2</translation>
    </message>
    <message>
        <source>Il conteggio dà un importo non valido: controllare i dati del dipendente</source>
        <translation>Die Abrechnung ergibt einen ungültigen Betrag: Bitte die Daten des Mitarbeiters prüfen</translation>
    </message>
    <message>
        <source>Salario mensile (%1/30)</source>
        <translation>Monatslohn (%1/30)</translation>
    </message>
    <message>
        <source>13a mensilità pro rata</source>
        <translation>13. Monatslohn pro rata</translation>
    </message>
    <message>
        <source>13a/14a mensilità pro rata</source>
        <translation>13./14. Monatslohn pro rata</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: mancano le tabelle del cantone %1 (file tar*.txt cercati in %2)</source>
        <translation>Quellensteuer nicht berechenbar: es fehlen die Tabellen des Kantons %1 (Dateien tar*.txt gesucht in %2)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: la tariffa %1 non si trova nelle tabelle del cantone %2 (file tar*.txt cercati in %3)</source>
        <translation>Quellensteuer nicht berechenbar: der Tarif %1 ist nicht in den Tabellen des Kantons %2 (Dateien tar*.txt gesucht in %3)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: il file delle tariffe del cantone %2 contiene la tariffa %1 danneggiata o in contraddizione con se stessa, che non viene usata (file tar*.txt cercati in %3)</source>
        <translation>Quellensteuer nicht berechenbar: Die Tarifdatei des Kantons %2 enthält den Tarif %1 beschädigt oder in sich widersprüchlich, er wird nicht verwendet (Dateien tar*.txt gesucht in %3)</translation>
    </message>
</context>
<context>
    <name>CsvDipendenti</name>
    <message>
        <source>Esporta CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV gespeichert unter:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare il CSV.</source>
        <translation>Das CSV konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Importa CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Importato</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>Importati: %1
Saltati: %2</source>
        <translation>Importiert: %1
Übersprungen: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il CSV.</source>
        <translation>Das CSV konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>carattere non ammesso (NUL o di controllo)</source>
        <translation>unzulässiges Zeichen (NUL- oder Steuerzeichen)</translation>
    </message>
    <message>
        <source>%1 campi invece di 15</source>
        <translation>%1 Felder statt 15</translation>
    </message>
    <message>
        <source>cognome mancante</source>
        <translation>Nachname fehlt</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; non valida</source>
        <translation>ungültiges Geburtsdatum &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sesso &quot;%1&quot; non valido (M o F)</source>
        <translation>ungültiges Geschlecht &quot;%1&quot; (M oder F)</translation>
    </message>
    <message>
        <source>numero AVS &quot;%1&quot; non valido</source>
        <translation>ungültige AHV-Nummer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>data di assunzione &quot;%1&quot; non valida</source>
        <translation>ungültiges Eintrittsdatum &quot;%1&quot;</translation>
    </message>
    <message>
        <source>mensilita aggiuntive &quot;%1&quot; non valide (da 0 a 2)</source>
        <translation>ungültige zusätzliche Monatslöhne &quot;%1&quot; (0 bis 2)</translation>
    </message>
    <message>
        <source>%1 %2 gia&apos; presente nell&apos;azienda</source>
        <translation>%1 %2 bereits in der Firma vorhanden</translation>
    </message>
    <message>
        <source>salvataggio non riuscito</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Non esportati (file non leggibile):
</source>
        <translation>Nicht exportiert (Datei nicht lesbar):
</translation>
    </message>
    <message>
        <source>Righe saltate di %1:</source>
        <translation>Übersprungene Zeilen in %1:</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; dopo oggi</source>
        <translation>Geburtsdatum &quot;%1&quot; liegt nach heute</translation>
    </message>
    <message>
        <source>non e&apos; l&apos;intestazione delle colonne (%1)</source>
        <translation>ist nicht die Spaltenüberschrift (%1)</translation>
    </message>
</context>
<context>
    <name>Datoteca</name>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>ungültiger Wert für %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>fascia d&apos;età non valida: %1</source>
        <translation>ungültige Altersstufe: %1</translation>
    </message>
</context>
<context>
    <name>DialogAmministrativi</name>
    <message>
        <source>Dati amministrativi</source>
        <translation>Administrative Daten</translation>
    </message>
    <message>
        <source>Professione</source>
        <translation>Beruf</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Zivilstand seit</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Attività principale/secondaria</source>
        <translation>Haupt-/Nebenerwerb</translation>
    </message>
    <message>
        <source>Altri datori di lavoro</source>
        <translation>Weitere Arbeitgeber</translation>
    </message>
    <message>
        <source>Prestazioni AI/AD/INF</source>
        <translation>Leistungen IV/ALV/UV</translation>
    </message>
    <message>
        <source>Attività indipendente</source>
        <translation>Selbständige Erwerbstätigkeit</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
</context>
<context>
    <name>DialogAnno</name>
    <message>
        <source>Scegli l&apos;anno da stampare:</source>
        <translation>Zu druckendes Jahr wählen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DialogFigli</name>
    <message>
        <source>Figli</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Data nascita</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Parentela</source>
        <translation>Verwandtschaft</translation>
    </message>
    <message>
        <source>Studi</source>
        <translation>Ausbildung</translation>
    </message>
    <message>
        <source>Convive</source>
        <translation>Im Haushalt</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Nuovo figlio</source>
        <translation>Neues Kind</translation>
    </message>
    <message>
        <source>Modifica figlio</source>
        <translation>Kind bearbeiten</translation>
    </message>
    <message>
        <source>Vive con il dipendente</source>
        <translation>Lebt im Haushalt des Mitarbeiters</translation>
    </message>
    <message>
        <source>Agli studi / formazione</source>
        <translation>In Ausbildung / Studium</translation>
    </message>
    <message>
        <source>Incapacità al guadagno</source>
        <translation>Erwerbsunfähigkeit</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Seleziona prima un figlio nella tabella.</source>
        <translation>Wählen Sie zuerst ein Kind in der Tabelle.</translation>
    </message>
    <message>
        <source>Eliminare questo figlio?</source>
        <translation>Dieses Kind löschen?</translation>
    </message>
    <message>
        <source>F (Figlio)</source>
        <translation>F (Kind)</translation>
    </message>
    <message>
        <source>FC (Figlio del coniuge)</source>
        <translation>FC (Stiefkind)</translation>
    </message>
    <message>
        <source>F/S (Fratello/Sorella)</source>
        <translation>F/S (Bruder/Schwester)</translation>
    </message>
    <message>
        <source>A (Abiatico)</source>
        <translation>A (Enkelkind)</translation>
    </message>
</context>
<context>
    <name>DialogParametriCritici</name>
    <message>
        <source>AVS/AI/IPG</source>
        <translation>AHV/IV/EO</translation>
    </message>
    <message>
        <source>Aliquota dipendente (%)</source>
        <translation>Satz Arbeitnehmer (%)</translation>
    </message>
    <message>
        <source>Aliquota datore (%)</source>
        <translation>Satz Arbeitgeber (%)</translation>
    </message>
    <message>
        <source>Assicurazione disoccupazione</source>
        <translation>Arbeitslosenversicherung (ALV)</translation>
    </message>
    <message>
        <source>Massimale (CHF)</source>
        <translation>Höchstbetrag (CHF)</translation>
    </message>
    <message>
        <source>Contributo famiglie</source>
        <translation>Familienausgleichskasse (FAK)</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>BVG</translation>
    </message>
    <message>
        <source>Soglia entrata (CHF)</source>
        <translation>Eintrittsschwelle (CHF)</translation>
    </message>
    <message>
        <source>Deduzione coordinamento (CHF)</source>
        <translation>Koordinationsabzug (CHF)</translation>
    </message>
    <message>
        <source>Salario massimo (CHF)</source>
        <translation>Maximaler Lohn (CHF)</translation>
    </message>
    <message>
        <source>IGM</source>
        <translation>Höchstversicherter Verdienst (UVG)</translation>
    </message>
    <message>
        <source>Guadagno massimo (CHF)</source>
        <translation>Höchstverdienst (CHF)</translation>
    </message>
    <message>
        <source>Parametri annuali AVS / SUVA / LPP</source>
        <translation>Jahresparameter AHV / Suva / BVG</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Attenzione: si sta accedendo alla modifica di dati importantissimi.
Chiudendo questo messaggio si accetta di essere responsabili per
quanto si modifichera&apos;.</source>
        <translation>Achtung: Sie sind dabei, äusserst wichtige Daten zu ändern.
Mit dem Schliessen dieser Meldung übernehmen Sie die Verantwortung für
alle Änderungen, die Sie vornehmen.</translation>
    </message>
    <message>
        <source>Anno tabella parametri:</source>
        <translation>Jahr der Parametertabelle:</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?</source>
        <translation>Sie sind dabei, die Parameter AHV/Suva/BVG zu überschreiben. Bestätigen?</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare i parametri. Controlla i log.</source>
        <translation>Die Parameter konnten nicht gespeichert werden. Prüfen Sie die Protokolle.</translation>
    </message>
    <message>
        <source>Registro modifiche</source>
        <translation>Änderungsprotokoll</translation>
    </message>
    <message>
        <source>I parametri sono stati salvati, ma il registro delle modifiche non si e&apos; potuto scrivere.</source>
        <translation>Die Parameter wurden gespeichert, aber das Änderungsprotokoll konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Valori copiati negli appunti.</source>
        <translation>Werte in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>I parametri dell&apos;anno %1 non si sono letti correttamente:
%2</source>
        <translation>Die Parameter des Jahres %1 wurden nicht korrekt gelesen:
%2</translation>
    </message>
    <message>
        <source>I valori mostrati non si possono salvare finché il file non è corretto.</source>
        <translation>Die angezeigten Werte können nicht gespeichert werden, solange die Datei nicht korrigiert ist.</translation>
    </message>
    <message>
        <source>I parametri non vengono salvati: correggere il file prima di salvare.</source>
        <translation>Die Parameter werden nicht gespeichert: Bitte die Datei vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>LAINF / SUVA: valori iniziali delle nuove aziende</source>
        <translation>UVG / Suva: Anfangswerte für neue Firmen</translation>
    </message>
</context>
<context>
    <name>DialogPeriodiRapporto</name>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Anstellungsperioden</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Periode hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>In corso</source>
        <translation>Laufend</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Entrata:</source>
        <translation>Eintritt:</translation>
    </message>
    <message>
        <source>Uscita:</source>
        <translation>Austritt:</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Ausgewählte Periode löschen?</translation>
    </message>
    <message>
        <source>Periodi aggiornati</source>
        <translation>Perioden aktualisiert</translation>
    </message>
    <message>
        <source>Ricordati di premere Salva nella scheda per rendere effettive le modifiche.</source>
        <translation>Denken Sie daran, im Personalblatt auf Speichern zu klicken, damit die Änderungen wirksam werden.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
</context>
<context>
    <name>DialogoFile</name>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cartella diversa</source>
        <translation>Anderer Ordner</translation>
    </message>
    <message>
        <source>Stai salvando fuori dalla cartella dell&apos;azienda:
%1

Vuoi continuare?</source>
        <translation>Sie speichern ausserhalb des Firmenordners:
%1

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>Dipendente</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>Die Datei %1 enthält ungültige Werte: %2.</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot;</source>
        <translation>Zeile %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: chiave ripetuta: %2, già alla riga %3</source>
        <translation>Zeile %1: wiederholter Schlüssel: %2, bereits in Zeile %3</translation>
    </message>
    <message>
        <source>(cessato)</source>
        <translation>(ausgetreten)</translation>
    </message>
    <message>
        <source>(entrata futura)</source>
        <translation>(Eintritt folgt)</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Der Mitarbeitercode kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati del dipendente non vengono salvati.</source>
        <translation>Ungültige Werte (%1): Die Mitarbeiterdaten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>DocumentiAnnuali</name>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile scrivere:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Impossibile leggere la scheda del dipendente.</source>
        <translation>Das Personalblatt des Mitarbeiters konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Anno dei documenti</source>
        <translation>Jahr der Dokumente</translation>
    </message>
    <message>
        <source>File gia&apos; presenti</source>
        <translation>Dateien bereits vorhanden</translation>
    </message>
    <message>
        <source>Nella cartella esistono gia&apos; %1 file su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>Im Ordner existieren bereits %1 von %2 ausgewählten Dateien.
Möchten Sie alle überschreiben?</translation>
    </message>
    <message>
        <source>Sovrascrivi tutti</source>
        <translation>Alle überschreiben</translation>
    </message>
    <message>
        <source>Chiedi uno per uno</source>
        <translation>Einzeln nachfragen</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sovrascrivere file?</source>
        <translation>Datei überschreiben?</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>Die Datei %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Dati incompleti</source>
        <translation>Unvollständige Daten</translation>
    </message>
    <message>
        <source>Salario</source>
        <translation>Lohn</translation>
    </message>
    <message>
        <source>Eta</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Certificati gia&apos; presenti</source>
        <translation>Lohnausweise bereits vorhanden</translation>
    </message>
    <message>
        <source>Esistono gia&apos; %1 certificati su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>Es existieren bereits %1 von %2 ausgewählten Lohnausweisen.
Möchten Sie alle überschreiben?</translation>
    </message>
    <message>
        <source>Sovrascrivere certificato?</source>
        <translation>Lohnausweis überschreiben?</translation>
    </message>
    <message>
        <source>Il certificato %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>Der Lohnausweis %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>Esportati %1 certificati di salario.</source>
        <translation>%1 Lohnausweise exportiert.</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Kein Mitarbeiter</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Erfassen Sie zuerst einen Mitarbeiter.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>Cartella destinazione Certificati PDF</source>
        <translation>Zielordner für PDF-Lohnausweise</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Certificato di salario %1</source>
        <translation>Lohnausweis %1</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF gespeichert unter:
</translation>
    </message>
    <message>
        <source>Esportati %1 certificati PDF.</source>
        <translation>%1 PDF-Lohnausweise exportiert.</translation>
    </message>
    <message>
        <source>Rendiconto Salari</source>
        <translation>Lohnbescheinigung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salva RSS PDF</source>
        <translation>Lohnbescheinigung als PDF speichern</translation>
    </message>
    <message>
        <source>Cartella destinazione RSS PDF</source>
        <translation>Zielordner für PDF-Lohnbescheinigungen</translation>
    </message>
    <message>
        <source>Rendiconto Salari %1</source>
        <translation>Lohnbescheinigung %1</translation>
    </message>
    <message>
        <source>Esportati %1 PDF RSS.</source>
        <translation>%1 PDF-Lohnbescheinigungen exportiert.</translation>
    </message>
    <message>
        <source>Salva XML ELM</source>
        <translation>ELM-XML speichern</translation>
    </message>
    <message>
        <source>Cartella destinazione XML ELM</source>
        <translation>Zielordner für ELM-XML</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Esportati %1 file XML ELM.</source>
        <translation>%1 ELM-XML-Dateien exportiert.</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verranno richiesti salario ed eta.</source>
        <translation>Das Personalblatt von %1 ist unvollständig: Lohn und Alter werden abgefragt.</translation>
    </message>
    <message>
        <source>Salario mensile lordo di %1 (CHF):</source>
        <translation>Bruttomonatslohn von %1 (CHF):</translation>
    </message>
    <message>
        <source>Eta di %1:</source>
        <translation>Alter von %1:</translation>
    </message>
    <message>
        <source>%1: scheda non leggibile</source>
        <translation>%1: Personalblatt nicht lesbar</translation>
    </message>
    <message>
        <source>%1: salario ed eta non dati</source>
        <translation>%1: Lohn und Alter nicht angegeben</translation>
    </message>
    <message>
        <source>Rendiconto salari</source>
        <translation>Lohnbescheinigung</translation>
    </message>
    <message>
        <source>Senza rendiconto:
%1</source>
        <translation>Ohne Lohnbescheinigung:
%1</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verra&apos; richiesta l&apos;eta.</source>
        <translation>Das Personalblatt von %1 ist unvollständig: das Alter wird abgefragt.</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario:</source>
        <translation>Markieren Sie die Mitarbeiter, deren Lohnausweis exportiert wird:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario in PDF:</source>
        <translation>Markieren Sie die Mitarbeiter, deren Lohnausweis als PDF exportiert wird:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS):</source>
        <translation>Markieren Sie die Mitarbeiter, deren Lohnbescheinigung exportiert wird:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS) in PDF:</source>
        <translation>Markieren Sie die Mitarbeiter, deren Lohnbescheinigung als PDF exportiert wird:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare in XML ELM:</source>
        <translation>Markieren Sie die Mitarbeiter, die als ELM-XML exportiert werden:</translation>
    </message>
</context>
<context>
    <name>Ferie</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Wert für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>FileIni</name>
    <message>
        <source>carattere NUL</source>
        <translation>NUL-Zeichen</translation>
    </message>
    <message>
        <source>intestazione di gruppo senza &quot;]&quot;</source>
        <translation>Gruppenkopf ohne &quot;]&quot;</translation>
    </message>
    <message>
        <source>gruppo senza nome</source>
        <translation>Gruppe ohne Namen</translation>
    </message>
    <message>
        <source>testo dopo &quot;]&quot;</source>
        <translation>Text nach &quot;]&quot;</translation>
    </message>
    <message>
        <source>riga che non è né un gruppo né chiave=valore</source>
        <translation>Zeile, die weder eine Gruppe noch Schlüssel=Wert ist</translation>
    </message>
    <message>
        <source>chiave senza nome</source>
        <translation>Schlüssel ohne Namen</translation>
    </message>
    <message>
        <source>%1, riga %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>intestazione di gruppo in un file senza gruppi</source>
        <translation>Gruppenkopf in einer Datei ohne Gruppen</translation>
    </message>
    <message>
        <source>chiave fuori da ogni gruppo</source>
        <translation>Schlüssel ausserhalb jeder Gruppe</translation>
    </message>
    <message>
        <source>gruppo ripetuto: [%1], già alla riga %2</source>
        <translation>wiederholte Gruppe: [%1], bereits in Zeile %2</translation>
    </message>
    <message>
        <source>chiave ripetuta: %1, già alla riga %2</source>
        <translation>wiederholter Schlüssel: %1, bereits in Zeile %2</translation>
    </message>
</context>
<context>
    <name>FileSicuri</name>
    <message>
        <source>Il file %1 non esiste.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Il file %1 supera %2 KB e non viene letto.</source>
        <translation>Die Datei %1 ist grösser als %2 KB und wird nicht gelesen.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FoglioPaga</name>
    <message>
        <source>Importo versato sul conto</source>
        <translation>Auf das Konto überwiesener Betrag</translation>
    </message>
    <message>
        <source>Numero AVS: </source>
        <translation>AHV-Nummer: </translation>
    </message>
    <message>
        <source>Stipendio mese di </source>
        <translation>Lohn für den Monat </translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Totale lordo</source>
        <translation>Total brutto</translation>
    </message>
    <message>
        <source>Deduzioni</source>
        <translation>Abzüge</translation>
    </message>
    <message>
        <source>Imponibile</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Aliquota</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Deduzione</source>
        <translation>Abzug</translation>
    </message>
    <message>
        <source>Totale deduzioni</source>
        <translation>Total Abzüge</translation>
    </message>
    <message>
        <source>Totale parziale</source>
        <translation>Zwischentotal</translation>
    </message>
    <message>
        <source>Importo versato in contanti</source>
        <translation>Bar ausbezahlter Betrag</translation>
    </message>
    <message>
        <source>Diritto vacanze per anno: %1 settimane</source>
        <translation>Ferienanspruch pro Jahr: %1 Wochen</translation>
    </message>
    <message>
        <source>Vacanze maturate</source>
        <translation>Erworbene Ferien</translation>
    </message>
    <message>
        <source>Riporto saldo vacanze anno precedente</source>
        <translation>Übertrag Feriensaldo Vorjahr</translation>
    </message>
    <message>
        <source>Nuovo saldo vacanze</source>
        <translation>Neuer Feriensaldo</translation>
    </message>
    <message>
        <source>Comunicazioni: </source>
        <translation>Mitteilungen: </translation>
    </message>
    <message>
        <source>Conteggio salario allestito con Vardello</source>
        <translation>Lohnabrechnung erstellt mit Vardello</translation>
    </message>
    <message>
        <source>Dipendente: %1</source>
        <translation>Mitarbeiter: %1</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - Anno %1</source>
        <translation>Erfassung Monatsvariablen - Jahr %1</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Jahrestotal</translation>
    </message>
    <message>
        <source> giorni</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - %1</source>
        <translation>Erfassung Monatsvariablen - %1</translation>
    </message>
    <message>
        <source>Anno %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>Riepilogo annuale - Anno %1</source>
        <translation>Jahresübersicht - Jahr %1</translation>
    </message>
    <message>
        <source>Vacanze prese nell&apos;anno</source>
        <translation>Im Jahr bezogene Ferien</translation>
    </message>
    <message>
        <source>Non pagati e non compresi nel totale (l&apos;ultima chiusura del mese non li ha potuti conteggiare):</source>
        <translation>Nicht ausbezahlt und nicht im Total (der letzte Abschluss des Monats konnte sie nicht abrechnen):</translation>
    </message>
</context>
<context>
    <name>GeneriSalario</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Wert für %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>GestioneAzienda</name>
    <message>
        <source>Azienda</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>Der Firmenname ist obligatorisch.</translation>
    </message>
    <message>
        <source>Il CAP deve essere di 4 cifre.</source>
        <translation>Die PLZ muss 4 Ziffern haben.</translation>
    </message>
    <message>
        <source>Il cantone deve essere di 2 lettere (es. TI).</source>
        <translation>Der Kanton muss aus 2 Buchstaben bestehen (z.B. TI).</translation>
    </message>
    <message>
        <source>L&apos;IBAN dell&apos;azienda non è valido: controlla le cifre.</source>
        <translation>Die IBAN der Firma ist ungültig: Prüfen Sie die Ziffern.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Dati salvati.</source>
        <translation>Daten gespeichert.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questa azienda?</source>
        <translation>Diese Firma definitiv löschen?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>Löschen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Azienda eliminata.</source>
        <translation>Firma gelöscht.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
</context>
<context>
    <name>GestioneCampiMovimento</name>
    <message>
        <source>Gestione campi movimento</source>
        <translation>Buchungsfelder verwalten</translation>
    </message>
    <message>
        <source>Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali).</source>
        <translation>Benutzerdefinierte Positionen einrichten (gesetzliche Abzüge, Darlehensrückzahlungen, Lohnpositionen).</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Tipo importo</source>
        <translation>Betragsart</translation>
    </message>
    <message>
        <source>Soggetto</source>
        <translation>Pflichtig</translation>
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
        <translation>QST</translation>
    </message>
    <message>
        <source>Mass.AD</source>
        <translation>Max. ALV</translation>
    </message>
    <message>
        <source>Mass.LAINF</source>
        <translation>Max. UVG</translation>
    </message>
    <message>
        <source>Cat.cert.</source>
        <translation>Kat. LA</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <source>Importo totale</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Wählen Sie eine Zeile.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Eliminare il campo selezionato?</source>
        <translation>Ausgewähltes Feld löschen?</translation>
    </message>
    <message>
        <source>Conferma salvataggio</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i campi movimento personalizzati. Confermi?</source>
        <translation>Sie sind dabei, die benutzerdefinierten Buchungsfelder zu überschreiben. Bestätigen?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Campi movimento salvati.</source>
        <translation>Buchungsfelder gespeichert.</translation>
    </message>
    <message>
        <source>Il file dei campi movimento non si è letto correttamente:
%1</source>
        <translation>Die Datei der Buchungsfelder wurde nicht korrekt gelesen:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Die Änderungen können nicht gespeichert werden, solange die Datei nicht korrigiert ist.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>GestioneCertificati</name>
    <message>
        <source>Gestione certificati</source>
        <translation>Lohnausweise verwalten</translation>
    </message>
    <message>
        <source>Certificati salvati:</source>
        <translation>Gespeicherte Lohnausweise:</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Nessun certificato</source>
        <translation>Kein Lohnausweis</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile leggere il file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation>Lohnausweis</translation>
    </message>
    <message>
        <source>Eliminare il certificato &quot;%1&quot;?</source>
        <translation>Lohnausweis &quot;%1&quot; löschen?</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file:
%1</source>
        <translation>Die Datei konnte nicht gelöscht werden:
%1</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Spunta almeno un certificato.</source>
        <translation>Markieren Sie mindestens einen Lohnausweis.</translation>
    </message>
    <message>
        <source>Certificato di salario</source>
        <translation>Lohnausweis</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF gespeichert unter:
</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cartella per i PDF</source>
        <translation>Ordner für die PDF</translation>
    </message>
    <message>
        <source>Esportati: %1
Errori: %2
Cartella: %3</source>
        <translation>Exportiert: %1
Fehler: %2
Ordner: %3</translation>
    </message>
    <message>
        <source>Esportati</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>Il certificato non si è letto correttamente:
%1</source>
        <translation>Der Lohnausweis wurde nicht korrekt gelesen:
%1</translation>
    </message>
    <message>
        <source>Non ci sono certificati salvati.
Usa %1 &gt; %2</source>
        <translation>Es sind keine Lohnausweise gespeichert.
Verwenden Sie %1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>GestioneGeneri</name>
    <message>
        <source>Generi di salario</source>
        <translation>Lohnarten</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Typ</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Wählen Sie eine Zeile.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Ausgewählte Zeile löschen?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Generi salvati.</source>
        <translation>Lohnarten gespeichert.</translation>
    </message>
    <message>
        <source>Il file dei generi di salario non si è letto correttamente:
%1</source>
        <translation>Die Datei der Lohnarten wurde nicht korrekt gelesen:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Die Änderungen können nicht gespeichert werden, solange die Datei nicht korrigiert ist.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
</context>
<context>
    <name>GestioneMovimenti</name>
    <message>
        <source>Importo</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Movimenti straordinari - %1</source>
        <translation>Ausserordentliche Buchungen - %1</translation>
    </message>
    <message>
        <source>Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag.</source>
        <translation>Bearbeiten Sie die Zellen direkt. Eine Änderung des Typs setzt die Kennzeichen auf Vorgabewerte.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Ausgewählte Zeile löschen?</translation>
    </message>
    <message>
        <source>Movimenti salvati.</source>
        <translation>Buchungen gespeichert.</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Speichern nicht möglich.</translation>
    </message>
    <message>
        <source>Riga %1: la data &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31/12/2026.</source>
        <translation>Zeile %1: Das Datum &quot;%2&quot; ist ungültig: Schreiben Sie zum Beispiel 31/12/2026.</translation>
    </message>
    <message>
        <source>Movimenti</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>Questi movimenti sono datati in un mese gia&apos; salvato nello storico paghe e non sono ancora pagati: per pagarli il mese va conteggiato di nuovo (Chiusura mensile, &quot;Genera tutti e salva&quot;).</source>
        <translation>Diese Buchungen sind in einem Monat datiert, der in der Lohnhistorie schon gespeichert ist, und noch nicht ausbezahlt: Um sie auszuzahlen, muss der Monat neu abgerechnet werden (Monatsabschluss, &quot;Alle erstellen und speichern&quot;).</translation>
    </message>
    <message>
        <source>Questi movimenti restano salvati come scritti, ma il conteggio del salario non li paga mai:</source>
        <translation>Diese Buchungen bleiben wie geschrieben gespeichert, aber die Lohnabrechnung zahlt sie nie aus:</translation>
    </message>
    <message>
        <source>l&apos;importo e&apos; zero o negativo</source>
        <translation>der Betrag ist null oder negativ</translation>
    </message>
    <message>
        <source>nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF</source>
        <translation>kein Feld unter AHV, ALV, FAK, UVG, BVG und QST angekreuzt</translation>
    </message>
    <message>
        <source>riga %1, %2 %3 CHF: %4</source>
        <translation>Zeile %1, %2 %3 CHF: %4</translation>
    </message>
</context>
<context>
    <name>GestioneStipendi</name>
    <message>
        <source>Inizio</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monatslohn</translation>
    </message>
    <message>
        <source>Mensilita</source>
        <translation>Monatslöhne</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Periode hinzufügen</translation>
    </message>
    <message>
        <source>Elimina periodo</source>
        <translation>Periode löschen</translation>
    </message>
    <message>
        <source>Apri scheda</source>
        <translation>Personalblatt öffnen</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Periodi (mensilita read-only, calcolata dalla scheda dipendente):</source>
        <translation>Perioden (Monatslöhne nur lesbar, aus dem Personalblatt berechnet):</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Seleziona un periodo.</source>
        <translation>Wählen Sie eine Periode.</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Ausgewählte Periode löschen?</translation>
    </message>
    <message>
        <source>Inizio, riga %1</source>
        <translation>Beginn, Zeile %1</translation>
    </message>
    <message>
        <source>Fine, riga %1</source>
        <translation>Ende, Zeile %1</translation>
    </message>
    <message>
        <source>Salario mensile, riga %1</source>
        <translation>Monatslohn, Zeile %1</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Periodi salvati.</source>
        <translation>Perioden gespeichert.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Speichern nicht möglich.</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Lohnperioden</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo finisce il %2, prima del suo inizio il %3.</source>
        <translation>&quot;%1&quot;: Die Periode endet am %2, vor ihrem Beginn am %3.</translation>
    </message>
    <message>
        <source>Storico stipendi - %1</source>
        <translation>Lohnperioden - %1</translation>
    </message>
</context>
<context>
    <name>GestioneValute</name>
    <message>
        <source>Gestione valute</source>
        <translation>Währungen verwalten</translation>
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
        <translation>Kurs in CHF</translation>
    </message>
    <message>
        <source>Arrotonda a 5 cent.</source>
        <translation>Auf 5 Rp. runden</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Il franco svizzero e&apos; la valuta di base e non si puo&apos; eliminare.</source>
        <translation>Der Schweizer Franken ist die Basiswährung und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Valute salvate.</source>
        <translation>Währungen gespeichert.</translation>
    </message>
    <message>
        <source>mancano campi (servono codice;nome;simbolo;cambio;arrotondamento)</source>
        <translation>Felder fehlen (erforderlich: Code;Name;Symbol;Kurs;Rundung)</translation>
    </message>
    <message>
        <source>ci sono piu&apos; di cinque campi</source>
        <translation>es gibt mehr als fünf Felder</translation>
    </message>
    <message>
        <source>il cambio non e&apos; un numero intero</source>
        <translation>der Kurs ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>l&apos;arrotondamento non e&apos; 0 o 1</source>
        <translation>die Rundung ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>manca il codice</source>
        <translation>der Code fehlt</translation>
    </message>
    <message>
        <source>contiene un carattere nullo</source>
        <translation>enthält ein Nullzeichen</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Die Datei %1 kann nicht vollständig gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; in &quot;%2&quot; non puo&apos; contenere &quot;;&quot; o un a capo.</source>
        <translation>Der Text &quot;%1&quot; in &quot;%2&quot; darf kein &quot;;&quot; und keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Manca il codice in &quot;%1&quot;.</source>
        <translation>Der Code in &quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>Il codice &quot;%1&quot; in &quot;%2&quot; e&apos; gia&apos; in un&apos;altra riga.</source>
        <translation>Der Code &quot;%1&quot; in &quot;%2&quot; steht schon in einer anderen Zeile.</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; deve essere maggiore di zero (al milionesimo).</source>
        <translation>Der Kurs &quot;%1&quot; in &quot;%2&quot; muss grösser als null sein (auf das Millionstel).</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; ha piu&apos; di 6 decimali: scriverlo con 6 decimali al massimo.</source>
        <translation>Der Kurs &quot;%1&quot; in &quot;%2&quot; hat mehr als 6 Dezimalstellen: höchstens 6 Dezimalstellen eingeben.</translation>
    </message>
</context>
<context>
    <name>GestioneVariabili</name>
    <message>
        <source>Mese</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Ore
fatte</source>
        <translation>Geleistete
Stunden</translation>
    </message>
    <message>
        <source>Ore extra
25%</source>
        <translation>Überstunden
25%</translation>
    </message>
    <message>
        <source>Ore extra
50%</source>
        <translation>Überstunden
50%</translation>
    </message>
    <message>
        <source>Ore extra
compensate</source>
        <translation>Überstunden
kompensiert</translation>
    </message>
    <message>
        <source>Rimb.
malattia</source>
        <translation>Kranken-
taggeld</translation>
    </message>
    <message>
        <source>Rimb.
infortunio</source>
        <translation>Unfall-
taggeld</translation>
    </message>
    <message>
        <source>Rimb.
IPG</source>
        <translation>EO-
Entsch.</translation>
    </message>
    <message>
        <source>Rimb.
spese</source>
        <translation>Spesen-
vergütung</translation>
    </message>
    <message>
        <source>Acconti</source>
        <translation>Vorschüsse</translation>
    </message>
    <message>
        <source>Rimb.
prestiti</source>
        <translation>Darlehens-
rückzahl.</translation>
    </message>
    <message>
        <source>Tratt.
UEF</source>
        <translation>Lohn-
pfändung</translation>
    </message>
    <message>
        <source>Vacanze
(gg)</source>
        <translation>Ferien
(Tage)</translation>
    </message>
    <message>
        <source>Imp.
imponibili</source>
        <translation>Pflichtige
Beträge</translation>
    </message>
    <message>
        <source>Imp. non
imponibili</source>
        <translation>Nicht pflicht.
Beträge</translation>
    </message>
    <message>
        <source>Rimb.
trasferte</source>
        <translation>Reise-
spesen</translation>
    </message>
    <message>
        <source>Deduz.
assenze</source>
        <translation>Abzug
Absenzen</translation>
    </message>
    <message>
        <source>Rimb.
assicur.</source>
        <translation>Versich.-
leistungen</translation>
    </message>
    <message>
        <source>13a / 14a /
Gratifica</source>
        <translation>13. / 14. /
Gratifikation</translation>
    </message>
    <message>
        <source>Note /
Descrizione</source>
        <translation>Notizen /
Beschreibung</translation>
    </message>
    <message>
        <source>Inserimento variabili mensili</source>
        <translation>Erfassung Monatsvariablen</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Anteprima / Stampa variabili PDF...</source>
        <translation>Vorschau / Druck Variablen-PDF...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Contratto: Salario orario (CHF %1/h)</source>
        <translation>Vertrag: Stundenlohn (CHF %1/h)</translation>
    </message>
    <message>
        <source>Contratto: Stipendio mensile (CHF %1/mese)</source>
        <translation>Vertrag: Monatslohn (CHF %1/Monat)</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Jahrestotal</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>WICHTIGER HINWEIS - Gesetzliche Höchstgrenze Überzeit (Art. 12 ArG)</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul lavoro (art. 12 LL):

- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)
- Totale annuo %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Achtung: Die nicht kompensierten Überstunden überschreiten die Richtwerte des Bundesgesetzes über die Arbeit (Art. 12 ArG):

- Monatlicher Höchstwert: %1 h (vorsichtige Monatsschwelle: 40 h)
- Jahrestotal %2: %3 h (gesetzliche Grenze: 140 h/Jahr, oder 170 h/Jahr bei 45-Stunden-Woche)

Möchten Sie diese Daten trotzdem auf eigenes Risiko und eigene Gefahr speichern?</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Auf eigenes Risiko speichern</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Abbrechen und korrigieren</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Die Variablen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Variabili mensili salvate.</source>
        <translation>Monatsvariablen gespeichert.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vorschau Monatsvariablen</translation>
    </message>
    <message>
        <source>%1 - ore fatte e straordinarie del mese</source>
        <translation>%1 - geleistete Stunden und Überstunden des Monats</translation>
    </message>
</context>
<context>
    <name>ImpostaFonte</name>
    <message>
        <source>(scala non trovata)</source>
        <translation>(Tarif nicht gefunden)</translation>
    </message>
    <message>
        <source>%1/%2: %3 scaglioni, figli=%4, chiesa=%5</source>
        <translation>%1/%2: %3 Stufen, Kinder=%4, Kirche=%5</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: manca il record finale, il file può essere incompleto.</source>
        <translation>Tarife %1, Datei %2: Der Schlussdatensatz fehlt, die Datei ist möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.</source>
        <translation>Tarife %1, Datei %2: Der Schlussdatensatz nennt %3 Datensätze, die Datei enthält %4.</translation>
    </message>
    <message>
        <source>record di testata in mezzo al file</source>
        <translation>Kopfsatz mitten in der Datei</translation>
    </message>
    <message>
        <source>carattere non valido alla posizione %1</source>
        <translation>ungültiges Zeichen an Position %1</translation>
    </message>
    <message>
        <source>tipo di record sconosciuto: &quot;%1&quot;</source>
        <translation>unbekannte Satzart: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: record danneggiato (%4); la sua tariffa non viene usata.</source>
        <translation>Tarife %1, Datei %2, Zeile %3: beschädigter Satz (%4); sein Tarif wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altri %3 record danneggiati non elencati.</source>
        <translation>Tarife %1, Datei %2: weitere %3 beschädigte Sätze nicht aufgeführt.</translation>
    </message>
    <message>
        <source>%1 byte invece di %2</source>
        <translation>%1 Byte statt %2</translation>
    </message>
    <message>
        <source>cantone o codice illeggibile</source>
        <translation>Kanton oder Code unlesbar</translation>
    </message>
    <message>
        <source>campo non numerico alle posizioni %1-%2: &quot;%3&quot;</source>
        <translation>nicht numerisches Feld an den Positionen %1-%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: la tariffa %4 si contraddice (%5); la tariffa non viene usata.</source>
        <translation>Tarife %1, Datei %2, Zeile %3: der Tarif %4 widerspricht sich (%5); der Tarif wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altre %3 tariffe contraddittorie non elencate.</source>
        <translation>Tarife %1, Datei %2: %3 weitere widersprüchliche Tarife nicht aufgeführt.</translation>
    </message>
    <message>
        <source>valida dal %1, i record precedenti dal %2</source>
        <translation>gültig ab %1, die vorherigen Sätze ab %2</translation>
    </message>
    <message>
        <source>reddito da %1 non superiore a %2 del record precedente</source>
        <translation>Einkommen ab %1 nicht höher als %2 des vorherigen Satzes</translation>
    </message>
</context>
<context>
    <name>ImpostaPassword</name>
    <message>
        <source>Imposta password amministratore</source>
        <translation>Administratorpasswort festlegen</translation>
    </message>
    <message>
        <source>Non è ancora stata impostata una password amministratore. Scegline una di almeno %1 caratteri e scrivila due volte.</source>
        <translation>Es wurde noch kein Administratorpasswort festgelegt. Wählen Sie eines mit mindestens %1 Zeichen und geben Sie es zweimal ein.</translation>
    </message>
    <message>
        <source>Nuova password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Ripeti la password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>La password deve avere almeno %1 caratteri.</source>
        <translation>Das Passwort muss mindestens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>Le due password non coincidono.</source>
        <translation>Die beiden Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Impossibile salvare la password in %1.</source>
        <translation>Das Passwort konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Password amministratore</source>
        <translation>Administratorpasswort</translation>
    </message>
    <message>
        <source>Password impostata.</source>
        <translation>Passwort festgelegt.</translation>
    </message>
</context>
<context>
    <name>InputSvizzero</name>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; non e&apos; valido: scrivere ad esempio 5&apos;000.50 oppure 5000,50.</source>
        <translation>Der Betrag &quot;%1&quot; in &quot;%2&quot; ist ungültig: Schreiben Sie zum Beispiel 5&apos;000.50 oder 5000,50.</translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; in &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.</source>
        <translation>Das Datum &quot;%1&quot; in &quot;%2&quot; ist ungültig: Schreiben Sie zum Beispiel 31.12.2025 oder 31/12/2025.</translation>
    </message>
    <message>
        <source>Il valore %1 in &quot;%2&quot; non e&apos; ammesso: deve essere tra %3 e %4.</source>
        <translation>Der Wert %1 in &quot;%2&quot; ist nicht zulässig: Er muss zwischen %3 und %4 liegen.</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; ha troppi decimali: se ne possono scrivere al massimo %3.</source>
        <translation>Der Wert &quot;%1&quot; in &quot;%2&quot; hat zu viele Dezimalstellen: Es sind höchstens %3 erlaubt.</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; supera il massimo ammesso di %3.</source>
        <translation>Der Betrag &quot;%1&quot; in &quot;%2&quot; übersteigt das zulässige Maximum von %3.</translation>
    </message>
</context>
<context>
    <name>LinguaUtente</name>
    <message>
        <source>it</source>
        <extracomment>The two-letter code of the language of this translation: de, fr, en or es.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>ListaDipendenti</name>
    <message>
        <source>Lista Dipendenti</source>
        <translation>Mitarbeiterliste</translation>
    </message>
    <message>
        <source>Dipendenti dell&apos;azienda:</source>
        <translation>Mitarbeiter der Firma:</translation>
    </message>
    <message>
        <source>Cerca dipendente...</source>
        <translation>Mitarbeiter suchen...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV-Nummer</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>(Nessun dipendente)</source>
        <translation>(Keine Mitarbeiter)</translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare il dipendente?
</source>
        <translation>Möchten Sie den Mitarbeiter wirklich löschen?
</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file del dipendente:
</source>
        <translation>Die Mitarbeiterdatei konnte nicht gelöscht werden:
</translation>
    </message>
</context>
<context>
    <name>LoginAdmin</name>
    <message>
        <source>Password amministratore</source>
        <translation>Administratorpasswort</translation>
    </message>
    <message>
        <source>Inserisci la password amministratore:</source>
        <translation>Geben Sie das Administratorpasswort ein:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Password errata.</source>
        <translation>Falsches Passwort.</translation>
    </message>
</context>
<context>
    <name>ModificheNonSalvate</name>
    <message>
        <source>Chiudere?</source>
        <translation>Schliessen?</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation>Es gibt ungespeicherte Änderungen.
Vor dem Schliessen speichern?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Modifiche non salvate</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvarle prima di continuare?</source>
        <translation>Es gibt ungespeicherte Änderungen.
Vor dem Fortfahren speichern?</translation>
    </message>
</context>
<context>
    <name>MostraHelp</name>
    <message>
        <source>Manuale</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>File manuale non trovato.</source>
        <translation>Handbuchdatei nicht gefunden.</translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale:
%1

Aprire il file con un browser.</source>
        <translation>Das Handbuch konnte nicht geöffnet werden:
%1

Öffnen Sie die Datei mit einem Browser.</translation>
    </message>
</context>
<context>
    <name>Movimenti</name>
    <message>
        <source>riga %1: il movimento non ha %2</source>
        <translation>Zeile %1: Bei der Buchung fehlt %2</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>Zeile %1: Nullzeichen</translation>
    </message>
    <message>
        <source>riga %1: riga non riconosciuta &quot;%2&quot;</source>
        <translation>Zeile %1: nicht erkannte Zeile &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto, manca la riga vuota tra due movimenti</source>
        <translation>Zeile %1: %2 wiederholt, die Leerzeile zwischen zwei Buchungen fehlt</translation>
    </message>
    <message>
        <source>riga %1: importo non valido</source>
        <translation>Zeile %1: ungültiger Betrag</translation>
    </message>
    <message>
        <source>riga %1: categoriaCertificato non valida</source>
        <translation>Zeile %1: ungültige categoriaCertificato</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>Zeile %1: %2 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Die Datei %1 kann nicht vollständig gelesen werden: %2.</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo in %2</source>
        <translation>Zeile %1: Nullzeichen in %2</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Der Mitarbeitercode kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>movimento %1 (%2, %3): %4</source>
        <translation>Buchung %1 (%2, %3): %4</translation>
    </message>
    <message>
        <source>Valori non validi, i movimenti non vengono salvati: %1.</source>
        <translation>Ungültige Werte, die Buchungen werden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>MovimentiModel</name>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Cat.</source>
        <translation>Kat.</translation>
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
        <translation>QST</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Gratifica</source>
        <translation>Gratifikation</translation>
    </message>
</context>
<context>
    <name>Nazioni</name>
    <message>
        <source>Partita IVA</source>
        <translation>MWST-Nummer</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>Steuernummer</translation>
    </message>
    <message>
        <source>IBAN azienda</source>
        <translation>IBAN Firma</translation>
    </message>
    <message>
        <source>BIC azienda</source>
        <translation>BIC Firma</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Numéro d&apos;entreprise (BCE/KBO)</source>
        <translation>Unternehmensnummer (BCE/KBO)</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Belgio</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Paesi Bassi</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Regno Unito</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Stati Uniti</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>CHE-123.456.789 IVA</source>
        <translation>CHE-123.456.789 MWST</translation>
    </message>
</context>
<context>
    <name>NuovaAzienda</name>
    <message>
        <source>Nuova Azienda</source>
        <translation>Neue Firma</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Franco svizzero (CHF)</source>
        <translation>Schweizer Franken (CHF)</translation>
    </message>
    <message>
        <source>Euro (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Provinz</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>Der Firmenname ist obligatorisch.</translation>
    </message>
    <message>
        <source>La ragione sociale non dà un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>Der Firmenname ergibt keinen brauchbaren Dateinamen: Verwenden Sie auch Buchstaben oder Ziffern.</translation>
    </message>
    <message>
        <source>Azienda esistente</source>
        <translation>Firma bereits vorhanden</translation>
    </message>
    <message>
        <source>Esiste già un&apos;azienda salvata nel file %1.
Sostituirla?</source>
        <translation>In der Datei %1 ist bereits eine Firma gespeichert.
Ersetzen?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati.</source>
        <translation>Die Daten konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>L&apos;IBAN &quot;%1&quot; non e&apos; valido: controllare le cifre (ad esempio CH93 0076 2011 6238 5295 7).</source>
        <translation>Die IBAN &quot;%1&quot; ist ungültig: Prüfen Sie die Ziffern (zum Beispiel CH93 0076 2011 6238 5295 7).</translation>
    </message>
    <message>
        <source>Il BIC &quot;%1&quot; non e&apos; valido: deve avere 8 o 11 caratteri (ad esempio UBSWCHZH80A).</source>
        <translation>Der BIC &quot;%1&quot; ist ungültig: Er muss 8 oder 11 Zeichen haben (zum Beispiel UBSWCHZH80A).</translation>
    </message>
</context>
<context>
    <name>NuovoDipendente</name>
    <message>
        <source>Nuovo Dipendente</source>
        <translation>Neuer Mitarbeiter</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(nicht angegeben)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Ledig</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Verheiratet</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Gerichtlich getrennt</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Geschieden</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Verwitwet</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Eingetragene Partnerschaft</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Zivilstand</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationalität</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Schweizer Bürger/in</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Ausweis C (Niederlassung)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Ausweis B (Aufenthalt)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Ausweis L (Kurzaufenthalt)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Ausweis G (Grenzgänger)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Ausweis F (vorläufig aufgenommen)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Ausweis S (Schutzbedürftige)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Arbeitsbewilligung</translation>
    </message>
    <message>
        <source>Data di assunzione</source>
        <translation>Eintrittsdatum</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Unbefristet</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Befristet</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Lehrverhältnis</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Vertragsart</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Keine (12 Monatslöhne)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13. Monatslohn</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13. + 14. Monatslohn</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Zusätzliche Monatslöhne</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Nome e cognome sono obbligatori.</source>
        <translation>Vorname und Nachname sind obligatorisch.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Ungültige AHV-Nummer.</translation>
    </message>
    <message>
        <source>Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>Vorname und Nachname ergeben keinen brauchbaren Dateinamen: Verwenden Sie auch Buchstaben oder Ziffern.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati del dipendente.</source>
        <translation>Die Daten des Mitarbeiters konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV-Nummer</translation>
    </message>
    <message>
        <source>Numero AVS gia&apos; presente</source>
        <translation>AHV-Nummer bereits vorhanden</translation>
    </message>
    <message>
        <source>Il numero AVS %1 e&apos; gia&apos; registrato per %2.
Salvare comunque il nuovo dipendente?</source>
        <translation>Die AHV-Nummer %1 ist bereits für %2 erfasst.
Den neuen Mitarbeiter trotzdem speichern?</translation>
    </message>
    <message>
        <source>Dipendente salvato</source>
        <translation>Mitarbeiter gespeichert</translation>
    </message>
    <message>
        <source>Il nome di file %1 e&apos; gia&apos; in uso o troppo lungo: il dipendente e&apos; stato salvato come %2.</source>
        <translation>Der Dateiname %1 ist bereits belegt oder zu lang: Der Mitarbeiter wurde als %2 gespeichert.</translation>
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
        <translation>&quot;%1&quot;: Pflichtfeld.</translation>
    </message>
</context>
<context>
    <name>PagheAnno</name>
    <message>
        <source>Impossibile leggere la scheda del dipendente %1.</source>
        <translation>Das Personalblatt des Mitarbeiters %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 non si può leggere: %3</source>
        <translation>Die Lohnhistorie %1 von %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>Impossibile stimare l&apos;anno %1 di %2: %3</source>
        <translation>Das Jahr %1 von %2 kann nicht geschätzt werden: %3</translation>
    </message>
    <message>
        <source>%1: nessun mese di servizio nel %2, escluso dai totali.</source>
        <translation>%1: kein Dienstmonat im Jahr %2, von den Totalen ausgeschlossen.</translation>
    </message>
    <message>
        <source>%1: escluso, %2</source>
        <translation>%1: ausgeschlossen, %2</translation>
    </message>
    <message>
        <source>%1: nessun mese salvato nel %2 e imposta alla fonte della stima mancante, escluso dai totali: %3</source>
        <translation>%1: kein gespeicherter Monat im %2 und Quellensteuer der Schätzung fehlt, von den Totalen ausgeschlossen: %3</translation>
    </message>
    <message>
        <source>%1: nelle cifre anche mesi salvati prima che l&apos;ultima chiusura non ha potuto conteggiare: %2</source>
        <translation>%1: in den Zahlen auch früher gespeicherte Monate, die der letzte Abschluss nicht abrechnen konnte: %2</translation>
    </message>
</context>
<context>
    <name>Pain001</name>
    <message>
        <source>Manca il nome dell&apos;azienda.</source>
        <translation>Der Name der Firma fehlt.</translation>
    </message>
    <message>
        <source>IBAN dell&apos;azienda non valido.</source>
        <translation>Ungültige IBAN der Firma.</translation>
    </message>
    <message>
        <source>BIC dell&apos;azienda non valido.</source>
        <translation>Ungültiger BIC der Firma.</translation>
    </message>
    <message>
        <source>Data di esecuzione non valida.</source>
        <translation>Ungültiges Ausführungsdatum.</translation>
    </message>
    <message>
        <source>Nessun pagamento.</source>
        <translation>Keine Zahlungen.</translation>
    </message>
    <message>
        <source>Manca il nome di un beneficiario.</source>
        <translation>Der Name eines Begünstigten fehlt.</translation>
    </message>
    <message>
        <source>IBAN non valido: %1</source>
        <translation>Ungültige IBAN: %1</translation>
    </message>
    <message>
        <source>Importo non valido: %1</source>
        <translation>Ungültiger Betrag: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Area di lavoro</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>La lingua verra&apos; applicata al prossimo avvio.</source>
        <translation>Die Sprache wird beim nächsten Start übernommen.</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Periodi aggiornati per il nuovo anno.</source>
        <translation>Perioden für das neue Jahr aktualisiert.</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Keine Änderung</translation>
    </message>
    <message>
        <source>Nessun dipendente da aggiornare.</source>
        <translation>Kein Mitarbeiter zu aktualisieren.</translation>
    </message>
    <message>
        <source>Scegli la cartella per i dati</source>
        <translation>Ordner für die Daten wählen</translation>
    </message>
    <message>
        <source>Cartella dati</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Cartella dati impostata su:
</source>
        <translation>Datenordner festgelegt auf:
</translation>
    </message>
    <message>
        <source>Impossibile impostare la cartella dati su:
%1

La cartella dati resta:
%2</source>
        <translation>Der Datenordner konnte nicht festgelegt werden auf:
%1

Der Datenordner bleibt:
%2</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Backup eseguito.</source>
        <translation>Backup erstellt.</translation>
    </message>
    <message>
        <source>Nessuna modifica dall&apos;ultimo backup: nessun nuovo backup.</source>
        <translation>Keine Änderung seit dem letzten Backup: kein neues Backup.</translation>
    </message>
    <message>
        <source>La cartella dati e&apos; vuota.</source>
        <translation>Der Datenordner ist leer.</translation>
    </message>
    <message>
        <source>Backup non riuscito: %1</source>
        <translation>Backup fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Kein Mitarbeiter</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Erfassen Sie zuerst einen Mitarbeiter.</translation>
    </message>
    <message>
        <source>Accesso riservato</source>
        <translation>Zugriff beschränkt</translation>
    </message>
    <message>
        <source>Questa sezione e&apos; riservata all&apos;amministratore.</source>
        <translation>Dieser Bereich ist dem Administrator vorbehalten.</translation>
    </message>
    <message>
        <source>Azienda</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Dati azienda</source>
        <translation>Firmendaten</translation>
    </message>
    <message>
        <source>Nuova azienda</source>
        <translation>Neue Firma</translation>
    </message>
    <message>
        <source>Cambia azienda...</source>
        <translation>Firma wechseln...</translation>
    </message>
    <message>
        <source>Dipendenti</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Storico stipendi...</source>
        <translation>Lohnperioden...</translation>
    </message>
    <message>
        <source>Movimenti straordinari...</source>
        <translation>Ausserordentliche Buchungen...</translation>
    </message>
    <message>
        <source>Nuovo dipendente...</source>
        <translation>Neuer Mitarbeiter...</translation>
    </message>
    <message>
        <source>Lista dipendenti...</source>
        <translation>Mitarbeiterliste...</translation>
    </message>
    <message>
        <source>Elaborazione stipendi</source>
        <translation>Lohnverarbeitung</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Monatsvariablen...</translation>
    </message>
    <message>
        <source>Chiusura mensile...</source>
        <translation>Monatsabschluss...</translation>
    </message>
    <message>
        <source>Chiusure di fine anno</source>
        <translation>Jahresende</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi...</source>
        <translation>Neues Lohnjahr...</translation>
    </message>
    <message>
        <source>Chiusura esercizio / Blocco annuale...</source>
        <translation>Jahresabschluss / Jahressperre...</translation>
    </message>
    <message>
        <source>Riepilogo Paghe...</source>
        <translation>Lohnübersicht...</translation>
    </message>
    <message>
        <source>Esporta CSV contabilità...</source>
        <translation>CSV für Buchhaltung exportieren...</translation>
    </message>
    <message>
        <source>Esporta RSS...</source>
        <translation>Lohnbescheinigung exportieren...</translation>
    </message>
    <message>
        <source>Esporta RSS PDF...</source>
        <translation>Lohnbescheinigung als PDF exportieren...</translation>
    </message>
    <message>
        <source>Esporta certificato di salario...</source>
        <translation>Lohnausweis exportieren...</translation>
    </message>
    <message>
        <source>Esporta certificato PDF...</source>
        <translation>Lohnausweis als PDF exportieren...</translation>
    </message>
    <message>
        <source>Esporta formulario assegni familiari (HTML)...</source>
        <translation>Formular Familienzulagen exportieren (HTML)...</translation>
    </message>
    <message>
        <source>Esporta conteggio CAF (HTML)...</source>
        <translation>FAK-Abrechnung exportieren (HTML)...</translation>
    </message>
    <message>
        <source>Gestione certificati...</source>
        <translation>Lohnausweise verwalten...</translation>
    </message>
    <message>
        <source>Esporta XML ELM...</source>
        <translation>ELM-XML exportieren...</translation>
    </message>
    <message>
        <source>Valute</source>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Gestione valute</source>
        <translation>Währungen verwalten</translation>
    </message>
    <message>
        <source>Generi di salario</source>
        <translation>Lohnarten</translation>
    </message>
    <message>
        <source>Gestione generi...</source>
        <translation>Lohnarten verwalten...</translation>
    </message>
    <message>
        <source>Dati</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Parametri AVS/SUVA/LPP...</source>
        <translation>Parameter AHV/Suva/BVG...</translation>
    </message>
    <message>
        <source>Scegli cartella dati...</source>
        <translation>Datenordner wählen...</translation>
    </message>
    <message>
        <source>Esporta dipendenti CSV...</source>
        <translation>Mitarbeiter als CSV exportieren...</translation>
    </message>
    <message>
        <source>Importa dipendenti CSV...</source>
        <translation>Mitarbeiter aus CSV importieren...</translation>
    </message>
    <message>
        <source>Amministrazione</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Gestione campi movimento...</source>
        <translation>Buchungsfelder verwalten...</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>HTML salvato in:
</source>
        <translation>HTML gespeichert unter:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Salva formulario assegni</source>
        <translation>Formular Familienzulagen speichern</translation>
    </message>
    <message>
        <source>Salva conteggio CAF</source>
        <translation>FAK-Abrechnung speichern</translation>
    </message>
    <message>
        <source>Cambia azienda</source>
        <translation>Firma wechseln</translation>
    </message>
    <message>
        <source>Vardello si chiude: riavvialo per lavorare con %1.</source>
        <translation>Vardello wird beendet: Starten Sie es neu, um mit %1 zu arbeiten.</translation>
    </message>
    <message>
        <source>Tariffe imposta alla fonte</source>
        <translation>Quellensteuertarife</translation>
    </message>
    <message>
        <source>Ripristino</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Il ripristino interrotto non è stato completato: %1</source>
        <translation>Die unterbrochene Wiederherstellung wurde nicht abgeschlossen: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Collegamenti non copiati: %1</source>
        <translation>Nicht kopierte Verknüpfungen: %1</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui aprire lo storico stipendi:</source>
        <translation>Markieren Sie die Mitarbeiter, deren Lohnperioden geöffnet werden sollen:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui gestire i movimenti straordinari:</source>
        <translation>Markieren Sie die Mitarbeiter, deren ausserordentliche Bewegungen bearbeitet werden sollen:</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi</source>
        <translation>Neues Lohnjahr</translation>
    </message>
    <message>
        <source>Anno in cui finiscono i periodi di salario attuali (es. 2026):</source>
        <translation>Jahr, in dem die aktuellen Lohnperioden enden (z.B. 2026):</translation>
    </message>
    <message>
        <source>Anno dei nuovi periodi di salario (es. 2027):</source>
        <translation>Jahr der neuen Lohnperioden (z.B. 2027):</translation>
    </message>
</context>
<context>
    <name>RSS</name>
    <message>
        <source>=== RENDICONTO SALARI %1 ===</source>
        <translation>=== LOHNBESCHEINIGUNG %1 ===</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Mitarbeiter: </translation>
    </message>
    <message>
        <source>ID file:    </source>
        <translation>Datei-ID:    </translation>
    </message>
    <message>
        <source>Lordo annuo:         %1 CHF</source>
        <translation>Bruttojahreslohn:  %1 CHF</translation>
    </message>
    <message>
        <source>Contributi dip.:     %1 CHF</source>
        <translation>Beiträge AN:       %1 CHF</translation>
    </message>
    <message>
        <source>Contributi datore:   %1 CHF</source>
        <translation>Beiträge AG:       %1 CHF</translation>
    </message>
    <message>
        <source>LPP annuo:           %1 CHF</source>
        <translation>BVG jährlich:      %1 CHF</translation>
    </message>
    <message>
        <source>Imposta alla fonte:  %1 CHF</source>
        <translation>Quellensteuer:     %1 CHF</translation>
    </message>
    <message>
        <source>Netto annuo:         %1 CHF</source>
        <translation>Nettojahreslohn:   %1 CHF</translation>
    </message>
</context>
<context>
    <name>RiepilogoPaghe</name>
    <message>
        <source>Riepilogo Paghe</source>
        <translation>Lohnübersicht</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monatslohn</translation>
    </message>
    <message>
        <source>Lordo annuo</source>
        <translation>Bruttojahreslohn</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Beiträge</translation>
    </message>
    <message>
        <source>Imposta fonte</source>
        <translation>Quellensteuer</translation>
    </message>
    <message>
        <source>Netto annuo</source>
        <translation>Nettojahreslohn</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Ricalcola totali</source>
        <translation>Totale neu berechnen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Totali (%1 dipendenti)</source>
        <translation>Totale (%1 Mitarbeiter)</translation>
    </message>
    <message>
        <source>Lordo annuo: %1 CHF
Contributi: %2 CHF
Imposta fonte: %3 CHF
Netto annuo: %4 CHF</source>
        <translation>Bruttojahreslohn: %1 CHF
Beiträge: %2 CHF
Quellensteuer: %3 CHF
Nettojahreslohn: %4 CHF</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportiert</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF gespeichert unter:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Das PDF konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Impossibile aprire il file per la scrittura.</source>
        <translation>Die Datei konnte nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV gespeichert unter:
</translation>
    </message>
    <message>
        <source>Riepilogo automatico dell&apos;anno: somme dei mesi salvati nello storico paghe; per chi non ha mesi salvati, stima dei mesi di servizio con il salario dei periodi registrati (spunta i dipendenti da includere):</source>
        <translation>Automatische Jahresübersicht: Summen der in der Lohnhistorie gespeicherten Monate; für Mitarbeiter ohne gespeicherte Monate Schätzung der Dienstmonate mit dem Lohn der erfassten Perioden (markieren Sie die einzubeziehenden Mitarbeiter):</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>mesi salvati</source>
        <translation>gespeicherte Monate</translation>
    </message>
    <message>
        <source>stima</source>
        <translation>Schätzung</translation>
    </message>
    <message>
        <source>nessun mese nell&apos;anno</source>
        <translation>kein Monat im Jahr</translation>
    </message>
    <message>
        <source>illeggibile</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Di cui %1 dipendenti senza mesi salvati: importi stimati (stima).</source>
        <translation>Davon %1 Mitarbeiter ohne gespeicherte Monate: geschätzte Beträge (Schätzung).</translation>
    </message>
    <message>
        <source>Mese del CSV contabilità</source>
        <translation>Monat des Buchhaltungs-CSV</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>imposta mancante</source>
        <translation>Steuer fehlt</translation>
    </message>
    <message>
        <source>Nessun dipendente spuntato ha %1 salvato nello storico paghe: il file non contiene nessun importo. Esegui prima la chiusura del mese.</source>
        <translation>Kein markierter Mitarbeiter hat %1 in der Lohnhistorie gespeichert: die Datei enthält keinen einzigen Betrag. Führen Sie zuerst den Monatsabschluss aus.</translation>
    </message>
    <message>
        <source>L&apos;ultima chiusura di %1 non ha potuto conteggiare questi dipendenti: il file riporta il mese salvato prima, con lo stato &quot;rifiutato dall&apos;ultima chiusura&quot;:</source>
        <translation>Der letzte Abschluss von %1 konnte diese Mitarbeitenden nicht abrechnen: Die Datei enthält den früher gespeicherten Monat mit dem Status &quot;rifiutato dall&apos;ultima chiusura&quot;:</translation>
    </message>
    <message>
        <source>mesi salvati, con rifiuti</source>
        <translation>gespeicherte Monate, mit Ablehnungen</translation>
    </message>
</context>
<context>
    <name>ScegliAzienda</name>
    <message>
        <source>Scegli Azienda</source>
        <translation>Firma wählen</translation>
    </message>
    <message>
        <source>Seleziona un&apos;azienda o creane una nuova:</source>
        <translation>Wählen Sie eine Firma oder erstellen Sie eine neue:</translation>
    </message>
    <message>
        <source>Nuova Azienda</source>
        <translation>Neue Firma</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>(Nessuna azienda trovata. Creane una nuova.)</source>
        <translation>(Keine Firma gefunden. Erstellen Sie eine neue.)</translation>
    </message>
</context>
<context>
    <name>ScegliBanca</name>
    <message>
        <source>Scegli la banca</source>
        <translation>Bank wählen</translation>
    </message>
    <message>
        <source>Seleziona la banca per i pagamenti stipendi:</source>
        <translation>Wählen Sie die Bank für die Lohnzahlungen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ScegliConteggio</name>
    <message>
        <source>Conteggio</source>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Seleziona il mese da stampare:</source>
        <translation>Zu druckenden Monat wählen:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Nessun conteggio disponibile.</source>
        <translation>Keine Abrechnung vorhanden.</translation>
    </message>
    <message>
        <source>Conteggio del mese %1/%2</source>
        <translation>Abrechnung des Monats %1/%2</translation>
    </message>
    <message>
        <source>Lo storico paghe non si legge correttamente: %1</source>
        <translation>Die Lohnhistorie lässt sich nicht fehlerfrei lesen: %1</translation>
    </message>
</context>
<context>
    <name>ScegliDipendente</name>
    <message>
        <source>Seleziona uno o piu&apos; dipendenti</source>
        <translation>Einen oder mehrere Mitarbeiter wählen</translation>
    </message>
    <message>
        <source>Scegli dipendente</source>
        <translation>Mitarbeiter wählen</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare (oppure usa &apos;Seleziona tutti&apos;):</source>
        <translation>Markieren Sie die zu exportierenden Mitarbeiter (oder verwenden Sie &apos;Alle auswählen&apos;):</translation>
    </message>
    <message>
        <source>Cerca e seleziona un dipendente:</source>
        <translation>Mitarbeiter suchen und wählen:</translation>
    </message>
    <message>
        <source>Cerca per AVS, cognome o nome...</source>
        <translation>Suche nach AHV-Nr., Nachname oder Vorname...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>AHV-Nummer</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Cessato</source>
        <translation>Ausgetreten</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Spunta almeno un dipendente.</source>
        <translation>Markieren Sie mindestens einen Mitarbeiter.</translation>
    </message>
    <message>
        <source>Seleziona un dipendente.</source>
        <translation>Wählen Sie einen Mitarbeiter.</translation>
    </message>
    <message>
        <source>Entrata futura</source>
        <translation>Eintritt folgt</translation>
    </message>
</context>
<context>
    <name>SchedaDipendente</name>
    <message>
        <source>Scheda Dipendente</source>
        <translation>Personalblatt</translation>
    </message>
    <message>
        <source>&lt;b&gt;N° AVS:&lt;/b&gt;</source>
        <translation>&lt;b&gt;AHV-Nr.:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2</source>
        <translation>&lt;b&gt;Mitarbeiter:&lt;/b&gt; %1 %2</translation>
    </message>
    <message>
        <source>Periodi di rapporto...</source>
        <translation>Anstellungsperioden...</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Lohnperioden</translation>
    </message>
    <message>
        <source>Stampa foglio paga</source>
        <translation>Lohnblatt drucken</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Monatsvariablen...</translation>
    </message>
    <message>
        <source>Stampa variabili mese</source>
        <translation>Monatsvariablen drucken</translation>
    </message>
    <message>
        <source>Riepilogo annuale</source>
        <translation>Jahresübersicht</translation>
    </message>
    <message>
        <source>Gestisci figli...</source>
        <translation>Kinder verwalten...</translation>
    </message>
    <message>
        <source>Dati amministrativi...</source>
        <translation>Administrative Daten...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Apri il manuale (D03)</source>
        <translation>Handbuch öffnen (D03)</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(nicht angegeben)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Ledig</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Verheiratet</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Gerichtlich getrennt</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Geschieden</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Verwitwet</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Eingetragene Partnerschaft</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Zivilstand</translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>tt/mm/jjjj</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Zivilstand seit</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationalität</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Schweizer Bürger/in</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Ausweis C (Niederlassung)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Ausweis B (Aufenthalt)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Ausweis L (Kurzaufenthalt)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Ausweis G (Grenzgänger)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Ausweis F (vorläufig aufgenommen)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Ausweis S (Schutzbedürftige)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Arbeitsbewilligung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Si - in Svizzera</source>
        <translation>Ja - in der Schweiz</translation>
    </message>
    <message>
        <source>Si - all&apos;Estero</source>
        <translation>Ja - im Ausland</translation>
    </message>
    <message>
        <source>Coniuge/partner lavora</source>
        <translation>Ehe-/Lebenspartner/in erwerbstätig</translation>
    </message>
    <message>
        <source>Altre attivita lucrative contemporanee (CH/Estero)</source>
        <translation>Weitere gleichzeitige Erwerbstätigkeiten (CH/Ausland)</translation>
    </message>
    <message>
        <source>es. A0, B1, C2, H1, G0</source>
        <translation>z.B. A0, B1, C2, H1, G0</translation>
    </message>
    <message>
        <source>Tariffa Imposte alla Fonte</source>
        <translation>Quellensteuertarif</translation>
    </message>
    <message>
        <source>Grado di occupazione (%)</source>
        <translation>Beschäftigungsgrad (%)</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Unbefristet</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Befristet</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Lehrverhältnis</translation>
    </message>
    <message>
        <source>Indipendente</source>
        <translation>Selbständig</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Vertragsart</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Keine (12 Monatslöhne)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13. Monatslohn</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13. + 14. Monatslohn</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Zusätzliche Monatslöhne</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Monatslohn</translation>
    </message>
    <message>
        <source>Paga oraria</source>
        <translation>Stundenlohn</translation>
    </message>
    <message>
        <source>Tipo di paga</source>
        <translation>Lohnart</translation>
    </message>
    <message>
        <source>Salario mensile (CHF)</source>
        <translation>Monatslohn (CHF)</translation>
    </message>
    <message>
        <source>0 = calcola automaticamente</source>
        <translation>0 = automatisch berechnen</translation>
    </message>
    <message>
        <source>LPP trattenuta (CHF)</source>
        <translation>BVG-Abzug (CHF)</translation>
    </message>
    <message>
        <source>Paga oraria (CHF/h)</source>
        <translation>Stundenlohn (CHF/h)</translation>
    </message>
    <message>
        <source>(nessuno)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>CCL applicabile</source>
        <translation>Anwendbarer GAV</translation>
    </message>
    <message>
        <source>Categoria CCL</source>
        <translation>GAV-Kategorie</translation>
    </message>
    <message>
        <source>Banca</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Contanti</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Modalita di pagamento</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>CH.. / IT.. / ES.. ecc.</source>
        <translation>CH.. / IT.. / ES.. usw.</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Intestatario conto</source>
        <translation>Kontoinhaber</translation>
    </message>
    <message>
        <source>BIC/SWIFT (banche estere)</source>
        <translation>BIC/SWIFT (ausländische Banken)</translation>
    </message>
    <message>
        <source>BIC/SWIFT</source>
        <translation>BIC/SWIFT</translation>
    </message>
    <message>
        <source>Banca estera</source>
        <translation>Ausländische Bank</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Il grado di occupazione &quot;%1&quot; non e&apos; valido: scrivere un numero intero, ad esempio 80.</source>
        <translation>Der Beschäftigungsgrad &quot;%1&quot; ist ungültig: Schreiben Sie eine ganze Zahl, zum Beispiel 80.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Ungültige AHV-Nummer.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Dipendente salvato.</source>
        <translation>Mitarbeiter gespeichert.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questo dipendente?</source>
        <translation>Diesen Mitarbeiter definitiv löschen?</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>Löschen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Dipendente eliminato.</source>
        <translation>Mitarbeiter gelöscht.</translation>
    </message>
    <message>
        <source>Anteprima foglio paga</source>
        <translation>Vorschau Lohnblatt</translation>
    </message>
    <message>
        <source>Anteprima riepilogo annuale</source>
        <translation>Vorschau Jahresübersicht</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vorschau Monatsvariablen</translation>
    </message>
    <message>
        <source>Foglio paga</source>
        <translation>Lohnblatt</translation>
    </message>
    <message>
        <source>Nessun conteggio salvato per %1.</source>
        <translation>Keine gespeicherte Abrechnung für %1.</translation>
    </message>
    <message>
        <source>Dati non validi</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>Die Datei wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo %2 finisce il %3, prima del suo inizio il %4.</source>
        <translation>&quot;%1&quot;: Die Periode %2 endet am %3, vor ihrem Beginn am %4.</translation>
    </message>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Anstellungsperioden</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: la data di nascita %2 di %3 e&apos; dopo oggi.</source>
        <translation>&quot;%1&quot;: Das Geburtsdatum %2 von %3 liegt nach dem heutigen Tag.</translation>
    </message>
    <message>
        <source>Figli</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 non e&apos; un IBAN valido, controlla le cifre.</source>
        <translation>&quot;%1&quot;: %2 ist keine gültige IBAN, prüfen Sie die Ziffern.</translation>
    </message>
    <message>
        <source>Lo storico stipendi non viene aggiornato: il dipendente non e&apos; salvato.</source>
        <translation>Die Lohnperioden werden nicht aktualisiert: Der Mitarbeiter ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Dipendente salvato, ma il salario del periodo in corso nello storico stipendi non e&apos; stato aggiornato.</source>
        <translation>Mitarbeiter gespeichert, aber der Lohn der laufenden Lohnperiode wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: i periodi %2 e %3 si sovrappongono: un dipendente ha un solo rapporto alla volta.</source>
        <translation>&quot;%1&quot;: die Perioden %2 und %3 überschneiden sich: ein Mitarbeiter hat nur ein Arbeitsverhältnis zur gleichen Zeit.</translation>
    </message>
    <message>
        <source>Lo storico stipendi indica ora %1 per il mese in corso: la scheda mostra questo salario al posto di &quot;%2&quot; scritto prima.</source>
        <translation>Die Lohnperioden nennen jetzt %1 für den laufenden Monat: die Karte zeigt diesen Lohn anstelle des zuvor eingegebenen &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Nessuna tabella dell&apos;imposta alla fonte e&apos; caricata per il cantone %1: la tariffa %2 non puo&apos; essere controllata.</source>
        <translation>Für den Kanton %1 ist keine Quellensteuertabelle geladen: der Tarif %2 kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>La tariffa %1 non si trova nelle tabelle dell&apos;imposta alla fonte caricate per il cantone %2.</source>
        <translation>Der Tarif %1 ist nicht in den geladenen Quellensteuertabellen des Kantons %2 enthalten.</translation>
    </message>
    <message>
        <source>Il dipendente viene salvato, ma la chiusura mensile non lo conteggia finche&apos; la sua tariffa non si trova nelle tabelle caricate.</source>
        <translation>Der Mitarbeiter wird gespeichert, aber der Monatsabschluss rechnet ihn nicht ab, solange sein Tarif nicht in den geladenen Tabellen steht.</translation>
    </message>
    <message>
        <source>Stampa da verificare: lo storico paghe non si e&apos; letto del tutto o il mese non e&apos; il conteggio attuale.</source>
        <translation>Ausdruck prüfen: die Lohnhistorie wurde nicht vollständig gelesen oder der Monat ist nicht die aktuelle Abrechnung.</translation>
    </message>
    <message>
        <source>Il file delle tariffe del cantone %1 contiene la tariffa %2 danneggiata o in contraddizione con se stessa: non viene usata.</source>
        <translation>Die Tarifdatei des Kantons %1 enthält den Tarif %2 beschädigt oder in sich widersprüchlich: Er wird nicht verwendet.</translation>
    </message>
    <message>
        <source>Mesi che l&apos;ultima chiusura non ha potuto conteggiare, non pagati e esclusi dai totali:</source>
        <translation>Monate, die der letzte Abschluss nicht abrechnen konnte, nicht ausbezahlt und nicht in den Totalen:</translation>
    </message>
    <message>
        <source>%1 non e&apos; stato pagato: l&apos;ultima chiusura del mese non ha potuto conteggiarlo.
%2

Il foglio paga si stampa quando una chiusura conteggia di nuovo il mese.</source>
        <translation>%1 wurde nicht ausbezahlt: Der letzte Abschluss des Monats konnte ihn nicht abrechnen.
%2

Das Lohnblatt wird gedruckt, sobald ein Abschluss den Monat erneut abrechnet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il %2 non e&apos; prima di oggi.</source>
        <translation>&quot;%1&quot;: Der %2 liegt nicht vor dem heutigen Tag.</translation>
    </message>
    <message>
        <source>Dipendente modificato altrove</source>
        <translation>Mitarbeiter anderswo geändert</translation>
    </message>
    <message>
        <source>Dopo l&apos;apertura di questa scheda un&apos;altra finestra ha salvato %1. Quello che ha cambiato resta; questi campi sono stati cambiati sia li&apos; sia qui:
%2

Salvare in questi campi i valori di questa scheda?</source>
        <translation>Nach dem Öffnen dieses Personalblatts hat ein anderes Fenster %1 gespeichert. Was es geändert hat, bleibt; diese Felder wurden dort und hier geändert:
%2

In diesen Feldern die Werte dieses Personalblatts speichern?</translation>
    </message>
    <message>
        <source>Salva i valori della scheda</source>
        <translation>Werte des Personalblatts speichern</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>N° AVS</source>
        <translation>AHV-Nr.</translation>
    </message>
</context>
<context>
    <name>SchedaVariabiliDipendente</name>
    <message>
        <source>Ore lavorate normali</source>
        <translation>Normal geleistete Stunden</translation>
    </message>
    <message>
        <source>Ore extra 25%</source>
        <translation>Überstunden 25%</translation>
    </message>
    <message>
        <source>Ore extra 50%</source>
        <translation>Überstunden 50%</translation>
    </message>
    <message>
        <source>Rimborso malattia (CHF)</source>
        <translation>Krankentaggeld (CHF)</translation>
    </message>
    <message>
        <source>Rimborso infortunio (CHF)</source>
        <translation>Unfalltaggeld (CHF)</translation>
    </message>
    <message>
        <source>Rimborso IPG (CHF)</source>
        <translation>EO-Entschädigung (CHF)</translation>
    </message>
    <message>
        <source>Rimborso spese (CHF)</source>
        <translation>Spesenvergütung (CHF)</translation>
    </message>
    <message>
        <source>Acconti (CHF)</source>
        <translation>Vorschüsse (CHF)</translation>
    </message>
    <message>
        <source>Rimborso prestiti (CHF)</source>
        <translation>Darlehensrückzahlung (CHF)</translation>
    </message>
    <message>
        <source>Trattenute UEF (CHF)</source>
        <translation>Lohnpfändung Betreibungsamt (CHF)</translation>
    </message>
    <message>
        <source>Vacanze prese (gg)</source>
        <translation>Bezogene Ferien (Tage)</translation>
    </message>
    <message>
        <source>Importi imponibili / straordinari (CHF)</source>
        <translation>Pflichtige Beträge / Sonderzahlungen (CHF)</translation>
    </message>
    <message>
        <source>Importi non imponibili (CHF)</source>
        <translation>Nicht pflichtige Beträge (CHF)</translation>
    </message>
    <message>
        <source>Rimborso trasferte (CHF)</source>
        <translation>Reisespesen (CHF)</translation>
    </message>
    <message>
        <source>Deduzione assenze (CHF)</source>
        <translation>Abzug Absenzen (CHF)</translation>
    </message>
    <message>
        <source>Rimborso assicurativo (CHF)</source>
        <translation>Versicherungsleistungen (CHF)</translation>
    </message>
    <message>
        <source>13a / Gratifica (CHF)</source>
        <translation>13. / Gratifikation (CHF)</translation>
    </message>
    <message>
        <source>Variabili mensili dipendente - %1 %2</source>
        <translation>Monatsvariablen Mitarbeiter - %1 %2</translation>
    </message>
    <message>
        <source>Salario orario (CHF %1/h)</source>
        <translation>Stundenlohn (CHF %1/h)</translation>
    </message>
    <message>
        <source>Stipendio mensile (CHF %1/mese)</source>
        <translation>Monatslohn (CHF %1/Monat)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contratto:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Mitarbeiter:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;AHV-Nr.:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Vertrag:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Mese da inserire:</source>
        <translation>Zu erfassender Monat:</translation>
    </message>
    <message>
        <source>Dati variabili del mese selezionato</source>
        <translation>Variable Daten des gewählten Monats</translation>
    </message>
    <message>
        <source>Note / Descrizione:</source>
        <translation>Notizen / Beschreibung:</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Ore fatte</source>
        <translation>Geleistete Std.</translation>
    </message>
    <message>
        <source>Ore extra tot.</source>
        <translation>Überstunden tot.</translation>
    </message>
    <message>
        <source>Rimborsi (CHF)</source>
        <translation>Vergütungen (CHF)</translation>
    </message>
    <message>
        <source>Vacanze (gg)</source>
        <translation>Ferien (Tage)</translation>
    </message>
    <message>
        <source>Imponibili (CHF)</source>
        <translation>Pflichtig (CHF)</translation>
    </message>
    <message>
        <source>Non impon. (CHF)</source>
        <translation>Nicht pflicht. (CHF)</translation>
    </message>
    <message>
        <source>13a/Gratifica</source>
        <translation>13./Gratifikation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Stampa riepilogo PDF...</source>
        <translation>Übersicht als PDF drucken...</translation>
    </message>
    <message>
        <source>Salva mese</source>
        <translation>Monat speichern</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):

- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)
- Totale ore extra nell&apos;anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Achtung: Die erfassten Überstunden überschreiten die Grenzen des Bundesgesetzes über die Arbeit (Art. 12 ArG):

- Überstunden im Monat: %1 h (vorsichtige Monatsschwelle: 40 h)
- Total Überstunden im Jahr %2: %3 h (gesetzliche Grenze: 140 h/Jahr, oder 170 h/Jahr bei 45-Stunden-Woche)

Möchten Sie diese Daten trotzdem auf eigenes Risiko und eigene Gefahr speichern?</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>WICHTIGER HINWEIS - Gesetzliche Höchstgrenze Überzeit (Art. 12 ArG)</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Auf eigenes Risiko speichern</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Abbrechen und korrigieren</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>L&apos;anno %1 e&apos; chiuso: le variabili non possono essere modificate.</source>
        <translation>Das Jahr %1 ist abgeschlossen: Die Variablen können nicht geändert werden.</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Die Variablen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Variabili di %1 %2 salvate.</source>
        <translation>Variablen von %1 %2 gespeichert.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vorschau Monatsvariablen</translation>
    </message>
    <message>
        <source>Ore lavorate del mese (normali e extra)</source>
        <translation>Geleistete Stunden des Monats (normal und Überstunden)</translation>
    </message>
</context>
<context>
    <name>StoricoPaghe</name>
    <message>
        <source>L&apos;esercizio %1 è chiuso.</source>
        <translation>Das Geschäftsjahr %1 ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Mese non valido.</source>
        <translation>Ungültiger Monat.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Der Mitarbeitercode kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>Un importo del mese non è un numero valido: il mese non viene salvato.</source>
        <translation>Ein Betrag des Monats ist keine gültige Zahl: Der Monat wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>importo non valido per %1: &quot;%2&quot;</source>
        <translation>ungültiger Betrag für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>mese non valido: [%1]</source>
        <translation>ungültiger Monat: [%1]</translation>
    </message>
    <message>
        <source>mese senza motivo: [%1]</source>
        <translation>Monat ohne Grund: [%1]</translation>
    </message>
    <message>
        <source>riga non valida: %1</source>
        <translation>ungültige Zeile: %1</translation>
    </message>
    <message>
        <source>assegni dei figli senza cantone: [%1]</source>
        <translation>Kinderzulagen ohne Kanton: [%1]</translation>
    </message>
    <message>
        <source>cantone degli assegni senza figli</source>
        <translation>Kanton der Zulagen ohne Kinder</translation>
    </message>
    <message>
        <source>gli assegni dei figli (%1) non danno gli assegni familiari del mese (%2): [%3]</source>
        <translation>die Kinderzulagen (%1) ergeben nicht die Familienzulagen des Monats (%2): [%3]</translation>
    </message>
    <message>
        <source>cantone non valido: &quot;%1&quot;</source>
        <translation>ungültiger Kanton: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>figlio fuori sequenza: %1</source>
        <translation>Kind außer der Reihe: %1</translation>
    </message>
    <message>
        <source>età non valida per %1: &quot;%2&quot;</source>
        <translation>ungültiges Alter für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>tipo di assegno non valido per %1: &quot;%2&quot;</source>
        <translation>ungültige Zulagenart für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>data di nascita non valida per %1: &quot;%2&quot;</source>
        <translation>ungültiges Geburtsdatum für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Gli assegni dei figli del mese non sono validi: il mese non viene salvato.</source>
        <translation>Die Kinderzulagen des Monats sind ungültig: der Monat wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>StoricoStipendi</name>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Der Mitarbeitercode kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): lo storico non viene salvato.</source>
        <translation>Ungültige Werte (%1): Die Lohnperioden werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 non e&apos; un numero valido</source>
        <translation>%1 ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>carattere nullo</source>
        <translation>Nullzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non e&apos; una riga dello storico</source>
        <translation>&quot;%1&quot; ist keine Zeile der Lohnperioden</translation>
    </message>
    <message>
        <source>%1 ripetuto (gia&apos; alla riga %2)</source>
        <translation>%1 wiederholt (bereits in Zeile %2)</translation>
    </message>
    <message>
        <source>%1 non e&apos; 0 o 1</source>
        <translation>%1 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>il periodo %1 non ha dataInizio</source>
        <translation>die Periode %1 hat kein dataInizio</translation>
    </message>
    <message>
        <source>movimenti del periodo %1, che non c&apos;e&apos;</source>
        <translation>Buchungen der Periode %1, die es nicht gibt</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Die Datei %1 kann nicht vollständig gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>VariabiliMensili</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>Die Datei %1 enthält ungültige Werte: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso: le variabili non si possono modificare.</source>
        <translation>Das Geschäftsjahr %1 ist abgeschlossen: Die Variablen können nicht geändert werden.</translation>
    </message>
    <message>
        <source>Mancano dei mesi: le variabili non vengono salvate.</source>
        <translation>Es fehlen Monate: Die Variablen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Der Mitarbeitercode kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>Valore non valido in %1/%2: le variabili non vengono salvate.</source>
        <translation>Ungültiger Wert in %1/%2: Die Variablen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>Die Datei wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Die Datei wird nicht überschrieben: Bitte vor dem Speichern korrigieren.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 (riga %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
</context>
</TS>
