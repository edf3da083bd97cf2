<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnteprimaStampa</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Anteprima aperta nel visualizzatore PDF di sistema.</source>
        <translation>Aperçu ouvert dans le lecteur PDF du système.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF:
%1</source>
        <translation>Impossible d&apos;enregistrer le PDF :
%1</translation>
    </message>
    <message>
        <source>PDF salvato</source>
        <translation>PDF enregistré</translation>
    </message>
    <message>
        <source>File salvato in:
</source>
        <translation>Fichier enregistré dans :
</translation>
    </message>
    <message>
        <source>Nessun visualizzatore PDF si e&apos; aperto. L&apos;anteprima e&apos; salvata in:
%1</source>
        <translation>Aucun lecteur PDF ne s&apos;est ouvert. L&apos;aperçu est enregistré dans :
%1</translation>
    </message>
</context>
<context>
    <name>AssegniFamiliari</name>
    <message>
        <source>Reddito AVS sotto soglia (630 CHF/mese)</source>
        <translation>Revenu AVS inférieur au seuil (630 CHF/mois)</translation>
    </message>
    <message>
        <source>Cantone %1 non presente in assegni_familiari.ini</source>
        <translation>Canton %1 absent de assegni_familiari.ini</translation>
    </message>
    <message>
        <source>%1 figli assegno, %2 figli formazione</source>
        <translation>%1 enfants avec allocation pour enfant, %2 enfants avec allocation de formation</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valeur non valable pour %1 : &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Azienda</name>
    <message>
        <source>riga %1: mancano le righe fisse (ragione sociale, indirizzo, CAP, localita&apos;, cantone, nazione)</source>
        <translation>ligne %1 : les lignes fixes manquent (raison sociale, adresse, NPA, localité, canton, pays)</translation>
    </message>
    <message>
        <source>riga 5: &quot;%1&quot; non e&apos; la sigla di un cantone</source>
        <translation>ligne 5 : &quot;%1&quot; n&apos;est pas l&apos;abréviation d&apos;un canton</translation>
    </message>
    <message>
        <source>riga 6: &quot;%1&quot; non e&apos; il codice di una nazione</source>
        <translation>ligne 6 : &quot;%1&quot; n&apos;est pas le code d&apos;un pays</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>ligne %1 : caractère nul</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot; non e&apos; una riga chiave=valore</source>
        <translation>ligne %1 : &quot;%2&quot; n&apos;est pas une ligne clé=valeur</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto (gia&apos; alla riga %3)</source>
        <translation>ligne %1 : %2 répété (déjà à la ligne %3)</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; un numero valido</source>
        <translation>ligne %1 : %2 n&apos;est pas un nombre valable</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>ligne %1 : %2 n&apos;est pas 0 ou 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu en entier : %2.</translation>
    </message>
    <message>
        <source>Il nome di file &quot;%1&quot; non è utilizzabile.</source>
        <translation>Le nom de fichier &quot;%1&quot; est inutilisable.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati dell&apos;azienda non vengono salvati.</source>
        <translation>Valeurs non valables (%1) : les données de l&apos;entreprise ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Impossibile copiare %1.</source>
        <translation>Impossible de copier %1.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella di backup.</source>
        <translation>Impossible de créer le dossier de sauvegarde.</translation>
    </message>
    <message>
        <source>Impossibile completare il backup %1.</source>
        <translation>Impossible de terminer la sauvegarde %1.</translation>
    </message>
    <message>
        <source>Backup non trovato: %1</source>
        <translation>Sauvegarde introuvable : %1</translation>
    </message>
    <message>
        <source>Impossibile ripristinare %1. I dati non sono stati modificati.</source>
        <translation>Impossible de restaurer %1. Les données n&apos;ont pas été modifiées.</translation>
    </message>
    <message>
        <source>Impossibile sostituire %1.</source>
        <translation>Impossible de remplacer %1.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;indice del backup %1.</source>
        <translation>Impossible de lire l&apos;index de la sauvegarde %1.</translation>
    </message>
    <message>
        <source>Backup di sicurezza non riuscito: %1. I dati non sono stati modificati.</source>
        <translation>La sauvegarde de sécurité a échoué : %1. Les données n&apos;ont pas été modifiées.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati.</source>
        <translation>Impossible d&apos;écrire le journal de la restauration. Les données n&apos;ont pas été modifiées.</translation>
    </message>
</context>
<context>
    <name>BloccoIndirizzo</name>
    <message>
        <source>CAP inesistente</source>
        <translation>NPA inexistant</translation>
    </message>
    <message>
        <source>Il CAP %1 non corrisponde a nessuna localita svizzera.</source>
        <translation>Le NPA %1 ne correspond à aucune localité suisse.</translation>
    </message>
    <message>
        <source>Citta inesistente</source>
        <translation>Localité inexistante</translation>
    </message>
    <message>
        <source>La localita &quot;%1&quot; non corrisponde a nessun CAP svizzero.</source>
        <translation>La localité &quot;%1&quot; ne correspond à aucun NPA suisse.</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>NPA</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Localité</translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation>Canton (abréviation)</translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation>Canton</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Espagne</translation>
    </message>
</context>
<context>
    <name>CCL</name>
    <message>
        <source>CCL %1 categoria %2 non trovato in ccl_minimi.ini</source>
        <translation>CCT %1 catégorie %2 introuvable dans ccl_minimi.ini</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ATTENTION : salaire de CHF %1 inférieur au minimum CCT %2 (%3) = CHF %4/mois. Violation possible de la CCT. Continuer à vos risques et périls.</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valeur non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>La tabella dei minimi CCL non si è letta correttamente:
%1</source>
        <translation>Le tableau des minimums CCT n&apos;a pas été lu correctement :
%1</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/ora. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ATTENTION : salaire de CHF %1 inférieur au minimum CCT %2 (%3) = CHF %4/heure. Violation possible de la CCT. Continuer à vos risques et périls.</translation>
    </message>
</context>
<context>
    <name>CampiInfortuni</name>
    <message>
        <source>Assicurazione infortuni (LAINF)</source>
        <translation>Assurance-accidents (LAA)</translation>
    </message>
    <message>
        <source>Premio infortuni professionali (‰)</source>
        <translation>Prime accidents professionnels (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, uomini (‰)</source>
        <translation>Prime accidents non professionnels, hommes (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, donne (‰)</source>
        <translation>Prime accidents non professionnels, femmes (‰)</translation>
    </message>
    <message>
        <source>Massimale annuo (CHF)</source>
        <translation>Plafond annuel (CHF)</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; non e&apos; un numero valido.</source>
        <translation>La valeur &quot;%1&quot; dans &quot;%2&quot; n&apos;est pas un nombre valable.</translation>
    </message>
    <message>
        <source>Il valore in &quot;%1&quot; deve essere tra 0 e %2.</source>
        <translation>La valeur dans &quot;%1&quot; doit être comprise entre 0 et %2.</translation>
    </message>
</context>
<context>
    <name>CampiMovimento</name>
    <message>
        <source>Un campo senza nome non puo&apos; essere salvato.</source>
        <translation>Un champ sans nom ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; non puo&apos; contenere &quot;/&quot; o &quot;\&quot;.</source>
        <translation>Le nom &quot;%1&quot; ne peut pas contenir &quot;/&quot; ou &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; compare piu&apos; volte.</source>
        <translation>Le nom &quot;%1&quot; apparaît plusieurs fois.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>valeur non valable pour %1/%2 : &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Il file %1 non si è letto correttamente e non viene sovrascritto:
%2</source>
        <translation>Le fichier %1 n&apos;a pas été lu correctement et n&apos;est pas écrasé :
%2</translation>
    </message>
</context>
<context>
    <name>CampoData</name>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>jj/mm/aaaa</translation>
    </message>
</context>
<context>
    <name>Certificato</name>
    <message>
        <source>ID dipendente: </source>
        <translation>ID employé : </translation>
    </message>
    <message>
        <source>Anno: </source>
        <translation>Année : </translation>
    </message>
    <message>
        <source>
Osservazioni:
</source>
        <translation>
Observations :
</translation>
    </message>
    <message>
        <source>Importi stimati (stima): nessun mese dell&apos;anno e&apos; salvato nello storico paghe.</source>
        <translation>Montants estimés (estimation) : aucun mois de l&apos;année n&apos;est enregistré dans l&apos;historique des paies.</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):     %1 CHF
</source>
        <translation>Chiffre 1 (brut):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie):%1 CHF
</source>
        <translation>Chiffre 2 (access.): %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari):%1 CHF
</source>
        <translation>Chiffre 3 (irrég.):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):    %1 CHF
</source>
        <translation>Chiffre 8 (total):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi):%1 CHF
</source>
        <translation>Chiffre 9 (cotis.):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):    %1 CHF
</source>
        <translation>Chiffre 10.1 (LPP):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):    %1 CHF
</source>
        <translation>Chiffre 10.2 (LPP):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):    %1 CHF
</source>
        <translation>Chiffre 11 (net):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):  %1 CHF
</source>
        <translation>Chiffre 12 (impôt):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):      %1 CHF
</source>
        <translation>Chiffre 1 (brut):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie): %1 CHF
</source>
        <translation>Chiffre 2 (access.):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari): %1 CHF
</source>
        <translation>Chiffre 3 (irrég.):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):     %1 CHF
</source>
        <translation>Chiffre 8 (total):    %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi): %1 CHF
</source>
        <translation>Chiffre 9 (cotis.):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):     %1 CHF
</source>
        <translation>Chiffre 10.1 (LPP):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):     %1 CHF
</source>
        <translation>Chiffre 10.2 (LPP):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):     %1 CHF
</source>
        <translation>Chiffre 11 (net):     %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):   %1 CHF
</source>
        <translation>Chiffre 12 (impôt):   %1 CHF
</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Employé : </translation>
    </message>
    <message>
        <source>Salario mensile lordo: %1 CHF
</source>
        <translation>Salaire mensuel brut : %1 CHF
</translation>
    </message>
    <message>
        <source>Salario annuo lordo: %1 CHF
</source>
        <translation>Salaire annuel brut : %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi dipendente: %1 CHF
</source>
        <translation>Cotisations employé : %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi datore: %1 CHF
</source>
        <translation>Cotisations employeur : %1 CHF
</translation>
    </message>
    <message>
        <source>LPP annuo: %1 CHF
</source>
        <translation>LPP annuelle : %1 CHF
</translation>
    </message>
    <message>
        <source>Imposta fonte annua: %1 CHF
</source>
        <translation>Impôt à la source annuel : %1 CHF
</translation>
    </message>
    <message>
        <source>Netto annuo: %1 CHF
</source>
        <translation>Net annuel : %1 CHF
</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valeur non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>clé inconnue : %1</translation>
    </message>
    <message>
        <source>Nel file %1 mancano le chiavi: %2.</source>
        <translation>Il manque des clés dans le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: il certificato non può essere scritto.</source>
        <translation>L&apos;exercice %1 est clôturé et verrouillé : le certificat ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnuale</name>
    <message>
        <source>Anno non valido.</source>
        <translation>Année non valable.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 risulta già chiuso.</source>
        <translation>L&apos;exercice %1 est déjà clôturé.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di chiusura esercizio.</source>
        <translation>Impossible d&apos;écrire le fichier de clôture de l&apos;exercice.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è già aperto.</source>
        <translation>L&apos;exercice %1 est déjà ouvert.</translation>
    </message>
    <message>
        <source>Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit.</source>
        <translation>Saisir une justification détaillée (au moins 5 caractères) pour le journal d&apos;audit.</translation>
    </message>
    <message>
        <source>Impossibile aggiornare il file di stato dell&apos;esercizio.</source>
        <translation>Impossible de mettre à jour le fichier d&apos;état de l&apos;exercice.</translation>
    </message>
    <message>
        <source>Il file di stato dell&apos;esercizio %1 non si legge correttamente: l&apos;esercizio resta bloccato finché il file non è corretto.
%2</source>
        <translation>Le fichier d&apos;état de l&apos;exercice %1 ne peut pas être lu correctement : l&apos;exercice reste verrouillé tant que le fichier n&apos;est pas corrigé.
%2</translation>
    </message>
    <message>
        <source>valore non valido per chiuso: &quot;%1&quot;</source>
        <translation>valeur non valable pour chiuso : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per anno: &quot;%1&quot;</source>
        <translation>valeur non valable pour anno : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per fileSigillati: &quot;%1&quot;</source>
        <translation>valeur non valable pour fileSigillati : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>clé inconnue : %1</translation>
    </message>
    <message>
        <source>Nel file %1 manca la riga &quot;chiuso&quot;.</source>
        <translation>Il manque la ligne &quot;chiuso&quot; dans le fichier %1.</translation>
    </message>
    <message>
        <source>valore non valido per rifiutiSigillati: &quot;%1&quot;</source>
        <translation>valeur non valable pour rifiutiSigillati : &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnualeDialog</name>
    <message>
        <source>Chiusura esercizio / Blocco annuale</source>
        <translation>Clôture de l&apos;exercice / Verrouillage annuel</translation>
    </message>
    <message>
        <source>La chiusura dell&apos;esercizio sigilla le buste paga, le variabili mensili e le aliquote dell&apos;anno selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili.</source>
        <translation>La clôture de l&apos;exercice scelle les fiches de salaire, les variables mensuelles et les taux de l&apos;année choisie par une empreinte cryptographique SHA-256, ce qui empêche toute modification rétroactive. La consultation et l&apos;impression des décomptes de salaire, des certificats de salaire et des récapitulatifs restent toujours possibles.</translation>
    </message>
    <message>
        <source>Es. Chiusura definitiva post-revisione e invio certificati di salario</source>
        <translation>P. ex. Clôture définitive après révision et envoi des certificats de salaire</translation>
    </message>
    <message>
        <source>Stato e sigillo dell&apos;esercizio contabile</source>
        <translation>État et sceau de l&apos;exercice comptable</translation>
    </message>
    <message>
        <source>Esercizio (Anno):</source>
        <translation>Exercice (année) :</translation>
    </message>
    <message>
        <source>Stato attuale:</source>
        <translation>État actuel :</translation>
    </message>
    <message>
        <source>Verifica integrità:</source>
        <translation>Contrôle d&apos;intégrité :</translation>
    </message>
    <message>
        <source>Dettagli sigillo:</source>
        <translation>Détails du sceau :</translation>
    </message>
    <message>
        <source>Note di chiusura:</source>
        <translation>Notes de clôture :</translation>
    </message>
    <message>
        <source>Chiudi e blocca esercizio</source>
        <translation>Clôturer et verrouiller l&apos;exercice</translation>
    </message>
    <message>
        <source>Sblocco straordinario...</source>
        <translation>Déverrouillage exceptionnel...</translation>
    </message>
    <message>
        <source>Chiudi finestra</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Registro storico chiusure e sblocchi (Audit Log):</source>
        <translation>Historique des clôtures et déverrouillages (journal d&apos;audit) :</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;CHIUSO E BLOCCATO (Sola lettura)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;CLÔTURÉ ET VERROUILLÉ (lecture seule)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÀ VERIFICATA (SHA-256 corrispondente)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTÉGRITÉ VÉRIFIÉE (SHA-256 concordant)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENZIONE: I file su disco differiscono dall&apos;impronta sigillata!&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENTION : les fichiers sur le disque diffèrent de l&apos;empreinte scellée !&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Chiuso il: %1 | Operatore: %2 | File sigillati: %3
SHA-256: %4</source>
        <translation>Clôturé le : %1 | Opérateur : %2 | Fichiers scellés : %3
SHA-256 : %4</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;APERTO (Modificabile)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;OUVERT (modifiable)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Esercizio in corso (%1 file annuali rilevati).</source>
        <translation>Exercice en cours (%1 fichiers annuels trouvés).</translation>
    </message>
    <message>
        <source>Impronta attuale non sigillata:
SHA-256: %1</source>
        <translation>Empreinte actuelle non scellée :
SHA-256 : %1</translation>
    </message>
    <message>
        <source>Nessuna operazione registrata finora.</source>
        <translation>Aucune opération enregistrée jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Conferma chiusura esercizio %1</source>
        <translation>Confirmer la clôture de l&apos;exercice %1</translation>
    </message>
    <message>
        <source>Vuoi davvero chiudere e bloccare definitivamente l&apos;esercizio %1?

Dopo la chiusura non sarà più possibile modificare buste paga, variabili mensili o aliquote per l&apos;anno %1.</source>
        <translation>Voulez-vous vraiment clôturer et verrouiller définitivement l&apos;exercice %1 ?

Après la clôture, il ne sera plus possible de modifier les fiches de salaire, les variables mensuelles ou les taux de l&apos;année %1.</translation>
    </message>
    <message>
        <source>Errore chiusura</source>
        <translation>Erreur de clôture</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Exercice clôturé</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato chiuso e sigillato con successo.</source>
        <translation>L&apos;exercice %1 a été clôturé et scellé avec succès.</translation>
    </message>
    <message>
        <source>Sblocco straordinario esercizio %1</source>
        <translation>Déverrouillage exceptionnel de l&apos;exercice %1</translation>
    </message>
    <message>
        <source>La riapertura verrà registrata in modo permanente nel registro di audit.
Inserisci la motivazione obbligatoria:</source>
        <translation>La réouverture sera inscrite de façon permanente dans le journal d&apos;audit.
Saisissez la justification obligatoire :</translation>
    </message>
    <message>
        <source>Sblocco non consentito</source>
        <translation>Déverrouillage non autorisé</translation>
    </message>
    <message>
        <source>Esercizio riaperto</source>
        <translation>Exercice rouvert</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato riaperto e registrato nel log.</source>
        <translation>L&apos;exercice %1 a été rouvert et inscrit dans le journal.</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;FILE DI STATO DANNEGGIATO: esercizio bloccato&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;FICHIER D&apos;ÉTAT ENDOMMAGÉ : exercice verrouillé&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Impronta attuale:
SHA-256: %1</source>
        <translation>Empreinte actuelle :
SHA-256 : %1</translation>
    </message>
    <message>
        <source>Il sigillo e il blocco valgono per tutte le aziende della cartella dati. Saranno sigillati i file dell&apos;anno %1 di: %2.</source>
        <translation>Le sceau et le verrouillage valent pour toutes les entreprises du dossier des données. Les fichiers de l&apos;année %1 seront scellés pour : %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ChiusuraMensile</name>
    <message>
        <source>Chiusura mensile</source>
        <translation>Clôture mensuelle</translation>
    </message>
    <message>
        <source>Includi 13a automatica a dicembre (e 14a a giugno)</source>
        <translation>Inclure le 13e salaire automatique en décembre (et le 14e en juin)</translation>
    </message>
    <message>
        <source>Calcola anteprima</source>
        <translation>Calculer l&apos;aperçu</translation>
    </message>
    <message>
        <source>Genera tutti e salva</source>
        <translation>Tout générer et enregistrer</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Liquida 13a/14a pro-rata a dipendente...</source>
        <translation>Verser le 13e/14e au prorata à un employé...</translation>
    </message>
    <message>
        <source>Salva selezionati</source>
        <translation>Enregistrer la sélection</translation>
    </message>
    <message>
        <source>Genera file banca</source>
        <translation>Générer le fichier bancaire</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Numéro AVS</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Employé</translation>
    </message>
    <message>
        <source>Lordo contrib.</source>
        <translation>Brut soumis</translation>
    </message>
    <message>
        <source>Lordo fiscale</source>
        <translation>Brut imposable</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Cotisations</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Assegni</source>
        <translation>Allocations</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IS</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Es. Buone feste a tutti</source>
        <translation>P. ex. Joyeuses fêtes à tous</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Comunicazioni (opzionale, per tutti):</source>
        <translation>Communications (facultatif, pour tous) :</translation>
    </message>
    <message>
        <source> (senza conteggio)</source>
        <translation> (sans décompte)</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Imposta alla fonte</source>
        <translation>Impôt à la source</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Exercice clôturé</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.</source>
        <translation>L&apos;exercice %1 est clôturé et verrouillé : impossible de générer ou d&apos;écraser des décomptes de salaire.</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati, nessun errore.</source>
        <translation>Clôture terminée : %1 décomptes générés, aucune erreur.</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Employé :</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Lordo contributivo:</source>
        <translation>Brut soumis à cotisations :</translation>
    </message>
    <message>
        <source>Lordo imponibile:</source>
        <translation>Brut imposable :</translation>
    </message>
    <message>
        <source>Contributi dip.:</source>
        <translation>Cotisations empl. :</translation>
    </message>
    <message>
        <source>LPP dip.:</source>
        <translation>LPP empl. :</translation>
    </message>
    <message>
        <source>Assegni familiari:</source>
        <translation>Allocations familiales :</translation>
    </message>
    <message>
        <source>Imposta (conguagl.):</source>
        <translation>Impôt (régularisé) :</translation>
    </message>
    <message>
        <source>Netto:</source>
        <translation>Net :</translation>
    </message>
    <message>
        <source>Modalita pagamento:</source>
        <translation>Mode de paiement :</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN :</translation>
    </message>
    <message>
        <source>Intestatario:</source>
        <translation>Titulaire :</translation>
    </message>
    <message>
        <source>Banca:</source>
        <translation>Banque :</translation>
    </message>
    <message>
        <source>BIC/SWIFT:</source>
        <translation>BIC/SWIFT :</translation>
    </message>
    <message>
        <source>contanti</source>
        <translation>espèces</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>

Vuoi salvare questo conteggio salario in PDF?</source>
        <translation>

Voulez-vous enregistrer ce décompte de salaire en PDF ?</translation>
    </message>
    <message>
        <source>Salva conteggio salario PDF</source>
        <translation>Enregistrer le décompte de salaire en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Conteggio salario</source>
        <translation>Décompte de salaire</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>PDF salvato:
</source>
        <translation>PDF enregistré :
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Impossible d&apos;enregistrer le PDF.</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.</source>
        <translation>L&apos;exercice %1 est clôturé et verrouillé : impossible de verser le 13e/14e salaire.</translation>
    </message>
    <message>
        <source>Liquidazione 13a/14a</source>
        <translation>Versement du 13e/14e salaire</translation>
    </message>
    <message>
        <source>Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):</source>
        <translation>Montant du 13e/14e pour %1 %2 (%3/%4, %5 mois) :</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili mensili.</source>
        <translation>Impossible d&apos;enregistrer les variables mensuelles.</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente con la casella.</source>
        <translation>Cochez au moins un employé.</translation>
    </message>
    <message>
        <source>Scegli una cartella (il nome file verra&apos; ignorato)</source>
        <translation>Choisissez un dossier (le nom de fichier sera ignoré)</translation>
    </message>
    <message>
        <source>Stampa completata</source>
        <translation>Impression terminée</translation>
    </message>
    <message>
        <source>PDF generati: %1</source>
        <translation>PDF générés : %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 PDF in:
%2</source>
        <translation>Impossible d&apos;écrire %1 PDF dans :
%2</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente.</source>
        <translation>Sélectionnez au moins un employé.</translation>
    </message>
    <message>
        <source>Dati azienda mancanti</source>
        <translation>Données de l&apos;entreprise manquantes</translation>
    </message>
    <message>
        <source>Configura IBAN e BIC dell&apos;azienda.</source>
        <translation>Configurez l&apos;IBAN et le BIC de l&apos;entreprise.</translation>
    </message>
    <message>
        <source>Nessun pagamento</source>
        <translation>Aucun paiement</translation>
    </message>
    <message>
        <source>Nessun dipendente selezionato ha netto ed IBAN validi.</source>
        <translation>Aucun employé sélectionné n&apos;a un salaire net et un IBAN valables.</translation>
    </message>
    <message>
        <source>File banca non generato</source>
        <translation>Fichier bancaire non généré</translation>
    </message>
    <message>
        <source>La banca rifiuterebbe il file:</source>
        <translation>La banque refuserait le fichier :</translation>
    </message>
    <message>
        <source>Salva file banca (pain.001)</source>
        <translation>Enregistrer le fichier bancaire (pain.001)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>File generato con %1 pagamenti.</source>
        <translation>Fichier généré avec %1 paiements.</translation>
    </message>
    <message>
        <source>Salvataggio fallito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation>Salaire imposable</translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation>Allocations familiales</translation>
    </message>
    <message>
        <source>AVS-AI-IPG</source>
        <translation>AVS-AI-APG</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>Infortuni non professionali</source>
        <translation>Accidents non professionnels</translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation>Caisse de pension (LPP)</translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation>Impôts à la source</translation>
    </message>
    <message>
        <source>banca</source>
        <translation>banque</translation>
    </message>
    <message>
        <source>posta</source>
        <translation>poste</translation>
    </message>
    <message>
        <source>Non pagati con questo file:</source>
        <translation>Non payés avec ce fichier :</translation>
    </message>
    <message>
        <source>Altre voci imponibili</source>
        <translation>Autres éléments imposables</translation>
    </message>
    <message>
        <source>Cassa assegni familiari (CAF)</source>
        <translation>Caisse d&apos;allocations familiales (CAF)</translation>
    </message>
    <message>
        <source>Arrotondamento</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>nessun conteggio salvato per il mese</source>
        <translation>aucun décompte enregistré pour le mois</translation>
    </message>
    <message>
        <source>netto non positivo</source>
        <translation>salaire net non positif</translation>
    </message>
    <message>
        <source>pagato in contanti</source>
        <translation>payé en espèces</translation>
    </message>
    <message>
        <source>IBAN mancante</source>
        <translation>IBAN manquant</translation>
    </message>
    <message>
        <source>IBAN non valido (%1)</source>
        <translation>IBAN non valable (%1)</translation>
    </message>
    <message>
        <source>la scheda del dipendente non si puo&apos; leggere</source>
        <translation>la fiche de l&apos;employé ne peut pas être lue</translation>
    </message>
    <message>
        <source>Imposta alla fonte:</source>
        <translation>Impôt à la source :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File esistente</source>
        <translation>Fichier existant</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;.
Sostituirlo?</source>
        <translation>Le fichier %1 existe déjà.
Le remplacer ?</translation>
    </message>
    <message>
        <source>File esistenti lasciati come erano: %1</source>
        <translation>Fichiers existants laissés tels quels : %1</translation>
    </message>
    <message>
        <source>Mancano le tabelle dell&apos;imposta alla fonte per:
%1

Il programma cerca i file tar*.txt in:
%2

Per questi dipendenti l&apos;imposta risulta 0 e &quot;Genera tutti e salva&quot; non salva il loro mese.</source>
        <translation>Les tableaux de l&apos;impôt à la source manquent pour :
%1

Le programme cherche les fichiers tar*.txt dans :
%2

Pour ces employés, l&apos;impôt est de 0 et « Tout générer et enregistrer » n&apos;enregistre pas leur mois.</translation>
    </message>
    <message>
        <source>13a/14a dovute pro rata e non pagate a chi lascia l&apos;azienda (&quot;Liquida 13a/14a pro-rata a dipendente...&quot; o 13a automatica):</source>
        <translation>13e/14e dus au prorata et non versés aux employés qui quittent l&apos;entreprise (« Verser le 13e/14e au prorata à un employé... » ou 13e automatique) :</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati.</source>
        <translation>Clôture terminée : %1 décomptes générés.</translation>
    </message>
    <message>
        <source>Senza cedolino:</source>
        <translation>Sans fiche de salaire :</translation>
    </message>
    <message>
        <source>Senza conteggio:</source>
        <translation>Sans décompte :</translation>
    </message>
    <message>
        <source>l&apos;esito del conteggio non si puo&apos; registrare: %1</source>
        <translation>le résultat du décompte ne peut pas être enregistré : %1</translation>
    </message>
    <message>
        <source>lo storico paghe non si legge correttamente: %1</source>
        <translation>l&apos;historique des paies ne se lit pas correctement : %1</translation>
    </message>
    <message>
        <source>Fuori periodo di rapporto: il mese salvato prima non rientra più in nessun periodo di rapporto della scheda e non viene pagato</source>
        <translation>Hors période d&apos;emploi : le mois enregistré auparavant n&apos;est plus compris dans aucune période d&apos;emploi de la fiche et n&apos;est pas payé</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 %3 non si legge correttamente: nessuna liquidazione viene registrata. Correggi il file e riprova.</source>
        <translation>L&apos;historique des paies %1 de %2 %3 ne se lit pas correctement : aucun versement n&apos;est enregistré. Corrige le fichier et réessaie.</translation>
    </message>
    <message>
        <source>i rifiuti dell&apos;ultima chiusura non si leggono correttamente: %1</source>
        <translation>les refus de la dernière clôture ne se lisent pas correctement : %1</translation>
    </message>
    <message>
        <source>Chiusura completata con errori:
%1 conteggi generati
%2 conteggi NON generati.

Dipendenti senza conteggio, con il motivo:</source>
        <translation>Clôture terminée avec des erreurs :
%1 décomptes générés
%2 décomptes NON générés.

Employés sans décompte, avec le motif :</translation>
    </message>
    <message>
        <source>Scegli il dipendente a cui liquidare la 13a/14a pro rata:</source>
        <translation>Choisissez l&apos;employé à qui verser le 13e/14e au prorata :</translation>
    </message>
    <message>
        <source>Movimenti non pagati</source>
        <translation>Mouvements non payés</translation>
    </message>
    <message>
        <source>Movimenti datati in %1, mese gia&apos; salvato, che il mese salvato non paga: &quot;Genera tutti e salva&quot; conteggia di nuovo il mese e li paga.</source>
        <translation>Mouvements datés en %1, mois déjà enregistré, que le mois enregistré ne paie pas : &quot;Tout générer et enregistrer&quot; décompte à nouveau le mois et les paie.</translation>
    </message>
    <message>
        <source>%1 %2 è pagato a ore: la 13a mensilità (8.33%) è pagata ogni mese con le ore e il conteggio orario non paga una liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 est payé à l&apos;heure : le 13e salaire (8.33%) est payé chaque mois avec les heures et le décompte horaire ne paie pas de versement. Aucun montant inscrit.</translation>
    </message>
    <message>
        <source>%1 %2 non è in servizio nel mese %3/%4: il mese non viene conteggiato e non pagherebbe la liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 n&apos;est pas en service au mois %3/%4 : le mois n&apos;est pas décompté et ne paierait pas le versement. Aucun montant inscrit.</translation>
    </message>
</context>
<context>
    <name>ConteggioSalario</name>
    <message>
        <source>Fuori periodo di rapporto</source>
        <translation>Hors de la période d&apos;engagement</translation>
    </message>
    <message>
        <source>Mese non valido</source>
        <translation>Mois non valable</translation>
    </message>
    <message>
        <source>Impossibile salvare lo storico paghe</source>
        <translation>Impossible d&apos;enregistrer l&apos;historique des paies</translation>
    </message>
    <message>
        <source>Salario orario (%1 h x %2)</source>
        <translation>Salaire horaire (%1 h x %2)</translation>
    </message>
    <message>
        <source>Ore straordinarie 25% (%1 h)</source>
        <translation>Heures supplémentaires 25% (%1 h)</translation>
    </message>
    <message>
        <source>Ore straordinarie 50% (%1 h)</source>
        <translation>Heures supplémentaires 50% (%1 h)</translation>
    </message>
    <message>
        <source>13a mensilità (8.33%)</source>
        <translation>13e salaire (8.33%)</translation>
    </message>
    <message>
        <source>Indennità vacanze</source>
        <translation>Indemnité de vacances</translation>
    </message>
    <message>
        <source>Indennità giorni festivi (2.27%)</source>
        <translation>Indemnité pour jours fériés (2.27%)</translation>
    </message>
    <message>
        <source>Indennità malattia</source>
        <translation>Indemnité maladie</translation>
    </message>
    <message>
        <source>Indennità infortunio</source>
        <translation>Indemnité accident</translation>
    </message>
    <message>
        <source>Indennità IPG</source>
        <translation>Indemnité APG</translation>
    </message>
    <message>
        <source>Rimborso spese</source>
        <translation>Remboursement de frais</translation>
    </message>
    <message>
        <source>Acconto</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Rimborso prestito</source>
        <translation>Remboursement de prêt</translation>
    </message>
    <message>
        <source>Trattenuta UEF</source>
        <translation>Retenue OP</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salaire mensuel</translation>
    </message>
    <message>
        <source>14a mensilità</source>
        <translation>14e salaire</translation>
    </message>
    <message>
        <source>13a mensilità</source>
        <translation>13e salaire</translation>
    </message>
    <message>
        <source>13a / 14a / gratifica</source>
        <translation>13e / 14e / gratification</translation>
    </message>
    <message>
        <source>Importi imponibili</source>
        <translation>Montants imposables</translation>
    </message>
    <message>
        <source>Deduzione assenze</source>
        <translation>Déduction pour absences</translation>
    </message>
    <message>
        <source>Rimborso assicurativo</source>
        <translation>Remboursement d&apos;assurance</translation>
    </message>
    <message>
        <source>Importi non imponibili</source>
        <translation>Montants non imposables</translation>
    </message>
    <message>
        <source>Rimborso trasferte</source>
        <translation>Remboursement des déplacements</translation>
    </message>
    <message>
        <source>Movimento</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Parametri dell&apos;anno %1 non validi: %2</source>
        <translation>Paramètres de l&apos;année %1 non valables : %2</translation>
    </message>
    <message>
        <source>Il conteggio dà un importo non valido: controllare i dati del dipendente</source>
        <translation>Le calcul donne un montant non valable : contrôlez les données de l&apos;employé</translation>
    </message>
    <message>
        <source>Salario mensile (%1/30)</source>
        <translation>Salaire mensuel (%1/30)</translation>
    </message>
    <message>
        <source>13a mensilità pro rata</source>
        <translation>13e salaire au prorata</translation>
    </message>
    <message>
        <source>13a/14a mensilità pro rata</source>
        <translation>13e/14e salaire au prorata</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: mancano le tabelle del cantone %1 (file tar*.txt cercati in %2)</source>
        <translation>Impôt à la source non calculable : les tableaux du canton %1 manquent (fichiers tar*.txt cherchés dans %2)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: la tariffa %1 non si trova nelle tabelle del cantone %2 (file tar*.txt cercati in %3)</source>
        <translation>Impôt à la source non calculable : le barème %1 ne figure pas dans les tableaux du canton %2 (fichiers tar*.txt cherchés dans %3)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: il file delle tariffe del cantone %2 contiene la tariffa %1 danneggiata o in contraddizione con se stessa, che non viene usata (file tar*.txt cercati in %3)</source>
        <translation>Impôt à la source non calculable : le fichier des barèmes du canton %2 contient le barème %1 endommagé ou contradictoire, qui n&apos;est pas utilisé (fichiers tar*.txt cherchés dans %3)</translation>
    </message>
</context>
<context>
    <name>CsvDipendenti</name>
    <message>
        <source>Esporta CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV enregistré dans :
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare il CSV.</source>
        <translation>Impossible d&apos;enregistrer le CSV.</translation>
    </message>
    <message>
        <source>Importa CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Importato</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Importati: %1
Saltati: %2</source>
        <translation>Importés : %1
Ignorés : %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il CSV.</source>
        <translation>Impossible de lire le CSV.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2) : %3</translation>
    </message>
    <message>
        <source>carattere non ammesso (NUL o di controllo)</source>
        <translation>caractère non admis (NUL ou de contrôle)</translation>
    </message>
    <message>
        <source>%1 campi invece di 15</source>
        <translation>%1 champs au lieu de 15</translation>
    </message>
    <message>
        <source>cognome mancante</source>
        <translation>nom manquant</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; non valida</source>
        <translation>date de naissance &quot;%1&quot; non valable</translation>
    </message>
    <message>
        <source>sesso &quot;%1&quot; non valido (M o F)</source>
        <translation>sexe &quot;%1&quot; non valable (M ou F)</translation>
    </message>
    <message>
        <source>numero AVS &quot;%1&quot; non valido</source>
        <translation>numéro AVS &quot;%1&quot; non valable</translation>
    </message>
    <message>
        <source>data di assunzione &quot;%1&quot; non valida</source>
        <translation>date d&apos;engagement &quot;%1&quot; non valable</translation>
    </message>
    <message>
        <source>mensilita aggiuntive &quot;%1&quot; non valide (da 0 a 2)</source>
        <translation>salaires supplémentaires &quot;%1&quot; non valables (de 0 à 2)</translation>
    </message>
    <message>
        <source>%1 %2 gia&apos; presente nell&apos;azienda</source>
        <translation>%1 %2 déjà présent dans l&apos;entreprise</translation>
    </message>
    <message>
        <source>salvataggio non riuscito</source>
        <translation>échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Non esportati (file non leggibile):
</source>
        <translation>Non exportés (fichier illisible) :
</translation>
    </message>
    <message>
        <source>Righe saltate di %1:</source>
        <translation>Lignes ignorées de %1 :</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; dopo oggi</source>
        <translation>date de naissance &quot;%1&quot; postérieure à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>non e&apos; l&apos;intestazione delle colonne (%1)</source>
        <translation>n&apos;est pas l&apos;en-tête des colonnes (%1)</translation>
    </message>
</context>
<context>
    <name>Datoteca</name>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>valeur non valable pour %1/%2 : &quot;%3&quot;</translation>
    </message>
    <message>
        <source>fascia d&apos;età non valida: %1</source>
        <translation>tranche d&apos;âge non valable : %1</translation>
    </message>
</context>
<context>
    <name>DialogAmministrativi</name>
    <message>
        <source>Dati amministrativi</source>
        <translation>Données administratives</translation>
    </message>
    <message>
        <source>Professione</source>
        <translation>Profession</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>État civil depuis le</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Téléphone portable</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Attività principale/secondaria</source>
        <translation>Activité principale/accessoire</translation>
    </message>
    <message>
        <source>Altri datori di lavoro</source>
        <translation>Autres employeurs</translation>
    </message>
    <message>
        <source>Prestazioni AI/AD/INF</source>
        <translation>Prestations AI/AC/LAA</translation>
    </message>
    <message>
        <source>Attività indipendente</source>
        <translation>Activité indépendante</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DialogAnno</name>
    <message>
        <source>Scegli l&apos;anno da stampare:</source>
        <translation>Choisissez l&apos;année à imprimer :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogFigli</name>
    <message>
        <source>Figli</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Data nascita</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Parentela</source>
        <translation>Lien de parenté</translation>
    </message>
    <message>
        <source>Studi</source>
        <translation>Études</translation>
    </message>
    <message>
        <source>Convive</source>
        <translation>Fait ménage commun</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Nuovo figlio</source>
        <translation>Nouvel enfant</translation>
    </message>
    <message>
        <source>Modifica figlio</source>
        <translation>Modifier l&apos;enfant</translation>
    </message>
    <message>
        <source>Vive con il dipendente</source>
        <translation>Vit avec l&apos;employé</translation>
    </message>
    <message>
        <source>Agli studi / formazione</source>
        <translation>Aux études / en formation</translation>
    </message>
    <message>
        <source>Incapacità al guadagno</source>
        <translation>Incapacité de gain</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Seleziona prima un figlio nella tabella.</source>
        <translation>Sélectionnez d&apos;abord un enfant dans le tableau.</translation>
    </message>
    <message>
        <source>Eliminare questo figlio?</source>
        <translation>Supprimer cet enfant ?</translation>
    </message>
    <message>
        <source>F (Figlio)</source>
        <translation>F (Enfant)</translation>
    </message>
    <message>
        <source>FC (Figlio del coniuge)</source>
        <translation>FC (Enfant du conjoint)</translation>
    </message>
    <message>
        <source>F/S (Fratello/Sorella)</source>
        <translation>F/S (Frère/Sœur)</translation>
    </message>
    <message>
        <source>A (Abiatico)</source>
        <translation>A (Petit-enfant)</translation>
    </message>
</context>
<context>
    <name>DialogParametriCritici</name>
    <message>
        <source>AVS/AI/IPG</source>
        <translation>AVS/AI/APG</translation>
    </message>
    <message>
        <source>Aliquota dipendente (%)</source>
        <translation>Taux employé (%)</translation>
    </message>
    <message>
        <source>Aliquota datore (%)</source>
        <translation>Taux employeur (%)</translation>
    </message>
    <message>
        <source>Assicurazione disoccupazione</source>
        <translation>Assurance-chômage</translation>
    </message>
    <message>
        <source>Massimale (CHF)</source>
        <translation>Plafond (CHF)</translation>
    </message>
    <message>
        <source>Contributo famiglie</source>
        <translation>Cotisation allocations familiales</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Soglia entrata (CHF)</source>
        <translation>Seuil d&apos;entrée (CHF)</translation>
    </message>
    <message>
        <source>Deduzione coordinamento (CHF)</source>
        <translation>Déduction de coordination (CHF)</translation>
    </message>
    <message>
        <source>Salario massimo (CHF)</source>
        <translation>Salaire maximal (CHF)</translation>
    </message>
    <message>
        <source>IGM</source>
        <translation>Gain maximal assuré</translation>
    </message>
    <message>
        <source>Guadagno massimo (CHF)</source>
        <translation>Gain maximal (CHF)</translation>
    </message>
    <message>
        <source>Parametri annuali AVS / SUVA / LPP</source>
        <translation>Paramètres annuels AVS / SUVA / LPP</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Attenzione: si sta accedendo alla modifica di dati importantissimi.
Chiudendo questo messaggio si accetta di essere responsabili per
quanto si modifichera&apos;.</source>
        <translation>Attention : vous accédez à la modification de données très importantes.
En fermant ce message, vous acceptez d&apos;être responsable de
ce que vous modifierez.</translation>
    </message>
    <message>
        <source>Anno tabella parametri:</source>
        <translation>Année du tableau des paramètres :</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?</source>
        <translation>Vous allez écraser les paramètres AVS/SUVA/LPP. Confirmez-vous ?</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare i parametri. Controlla i log.</source>
        <translation>Impossible d&apos;enregistrer les paramètres. Consultez les journaux.</translation>
    </message>
    <message>
        <source>Registro modifiche</source>
        <translation>Journal des modifications</translation>
    </message>
    <message>
        <source>I parametri sono stati salvati, ma il registro delle modifiche non si e&apos; potuto scrivere.</source>
        <translation>Les paramètres ont été enregistrés, mais le journal des modifications n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Valori copiati negli appunti.</source>
        <translation>Valeurs copiées dans le presse-papiers.</translation>
    </message>
    <message>
        <source>I parametri dell&apos;anno %1 non si sono letti correttamente:
%2</source>
        <translation>Les paramètres de l&apos;année %1 n&apos;ont pas été lus correctement :
%2</translation>
    </message>
    <message>
        <source>I valori mostrati non si possono salvare finché il file non è corretto.</source>
        <translation>Les valeurs affichées ne peuvent pas être enregistrées tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>I parametri non vengono salvati: correggere il file prima di salvare.</source>
        <translation>Les paramètres ne sont pas enregistrés : corrigez le fichier avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>LAINF / SUVA: valori iniziali delle nuove aziende</source>
        <translation>LAA / SUVA : valeurs initiales des nouvelles entreprises</translation>
    </message>
</context>
<context>
    <name>DialogPeriodiRapporto</name>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Périodes d&apos;engagement</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Ajouter une période</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>In corso</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Entrata:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <source>Uscita:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Supprimer la période sélectionnée ?</translation>
    </message>
    <message>
        <source>Periodi aggiornati</source>
        <translation>Périodes mises à jour</translation>
    </message>
    <message>
        <source>Ricordati di premere Salva nella scheda per rendere effettive le modifiche.</source>
        <translation>N&apos;oubliez pas de cliquer sur Enregistrer dans la fiche pour appliquer les modifications.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>DialogoFile</name>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cartella diversa</source>
        <translation>Autre dossier</translation>
    </message>
    <message>
        <source>Stai salvando fuori dalla cartella dell&apos;azienda:
%1

Vuoi continuare?</source>
        <translation>Vous enregistrez en dehors du dossier de l&apos;entreprise :
%1

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Dipendente</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>Le fichier %1 contient des valeurs non valables : %2.</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot;</source>
        <translation>ligne %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: chiave ripetuta: %2, già alla riga %3</source>
        <translation>ligne %1 : clé répétée : %2, déjà à la ligne %3</translation>
    </message>
    <message>
        <source>(cessato)</source>
        <translation>(sorti)</translation>
    </message>
    <message>
        <source>(entrata futura)</source>
        <translation>(entrée future)</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Code d&apos;employé inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati del dipendente non vengono salvati.</source>
        <translation>Valeurs non valables (%1) : les données de l&apos;employé ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>DocumentiAnnuali</name>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile scrivere:
%1</source>
        <translation>Impossible d&apos;écrire :
%1</translation>
    </message>
    <message>
        <source>Impossibile leggere la scheda del dipendente.</source>
        <translation>Impossible de lire la fiche de l&apos;employé.</translation>
    </message>
    <message>
        <source>Anno dei documenti</source>
        <translation>Année des documents</translation>
    </message>
    <message>
        <source>File gia&apos; presenti</source>
        <translation>Fichiers déjà présents</translation>
    </message>
    <message>
        <source>Nella cartella esistono gia&apos; %1 file su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>Le dossier contient déjà %1 des %2 fichiers sélectionnés.
Voulez-vous tous les écraser ?</translation>
    </message>
    <message>
        <source>Sovrascrivi tutti</source>
        <translation>Tout écraser</translation>
    </message>
    <message>
        <source>Chiedi uno per uno</source>
        <translation>Demander pour chacun</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sovrascrivere file?</source>
        <translation>Écraser le fichier ?</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>Le fichier %1 existe déjà. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Dati incompleti</source>
        <translation>Données incomplètes</translation>
    </message>
    <message>
        <source>Salario</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Eta</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Certificati gia&apos; presenti</source>
        <translation>Certificats déjà présents</translation>
    </message>
    <message>
        <source>Esistono gia&apos; %1 certificati su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>%1 des %2 certificats sélectionnés existent déjà.
Voulez-vous tous les écraser ?</translation>
    </message>
    <message>
        <source>Sovrascrivere certificato?</source>
        <translation>Écraser le certificat ?</translation>
    </message>
    <message>
        <source>Il certificato %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>Le certificat %1 existe déjà. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Esportati %1 certificati di salario.</source>
        <translation>%1 certificats de salaire exportés.</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Aucun employé</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Créez d&apos;abord un employé.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione Certificati PDF</source>
        <translation>Dossier de destination des certificats PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Certificato di salario %1</source>
        <translation>Certificat de salaire %1</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF enregistré dans :
</translation>
    </message>
    <message>
        <source>Esportati %1 certificati PDF.</source>
        <translation>%1 certificats PDF exportés.</translation>
    </message>
    <message>
        <source>Rendiconto Salari</source>
        <translation>Déclaration des salaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salva RSS PDF</source>
        <translation>Enregistrer la déclaration RSS en PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione RSS PDF</source>
        <translation>Dossier de destination des RSS PDF</translation>
    </message>
    <message>
        <source>Rendiconto Salari %1</source>
        <translation>Déclaration des salaires %1</translation>
    </message>
    <message>
        <source>Esportati %1 PDF RSS.</source>
        <translation>%1 RSS PDF exportés.</translation>
    </message>
    <message>
        <source>Salva XML ELM</source>
        <translation>Enregistrer le XML ELM</translation>
    </message>
    <message>
        <source>Cartella destinazione XML ELM</source>
        <translation>Dossier de destination des XML ELM</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Esportati %1 file XML ELM.</source>
        <translation>%1 fichiers XML ELM exportés.</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verranno richiesti salario ed eta.</source>
        <translation>La fiche de %1 est incomplète : le salaire et l&apos;âge seront demandés.</translation>
    </message>
    <message>
        <source>Salario mensile lordo di %1 (CHF):</source>
        <translation>Salaire mensuel brut de %1 (CHF) :</translation>
    </message>
    <message>
        <source>Eta di %1:</source>
        <translation>Âge de %1 :</translation>
    </message>
    <message>
        <source>%1: scheda non leggibile</source>
        <translation>%1 : fiche illisible</translation>
    </message>
    <message>
        <source>%1: salario ed eta non dati</source>
        <translation>%1 : salaire et âge non indiqués</translation>
    </message>
    <message>
        <source>Rendiconto salari</source>
        <translation>Déclaration des salaires</translation>
    </message>
    <message>
        <source>Senza rendiconto:
%1</source>
        <translation>Sans déclaration des salaires :
%1</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verra&apos; richiesta l&apos;eta.</source>
        <translation>La fiche de %1 est incomplète : l&apos;âge sera demandé.</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario:</source>
        <translation>Cochez les employés dont exporter le certificat de salaire :</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario in PDF:</source>
        <translation>Cochez les employés dont exporter le certificat de salaire en PDF :</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS):</source>
        <translation>Cochez les employés dont exporter la déclaration des salaires (RSS) :</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS) in PDF:</source>
        <translation>Cochez les employés dont exporter la déclaration des salaires (RSS) en PDF :</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare in XML ELM:</source>
        <translation>Cochez les employés à exporter en XML ELM :</translation>
    </message>
</context>
<context>
    <name>Ferie</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valeur non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>FileIni</name>
    <message>
        <source>carattere NUL</source>
        <translation>caractère NUL</translation>
    </message>
    <message>
        <source>intestazione di gruppo senza &quot;]&quot;</source>
        <translation>en-tête de groupe sans &quot;]&quot;</translation>
    </message>
    <message>
        <source>gruppo senza nome</source>
        <translation>groupe sans nom</translation>
    </message>
    <message>
        <source>testo dopo &quot;]&quot;</source>
        <translation>texte après &quot;]&quot;</translation>
    </message>
    <message>
        <source>riga che non è né un gruppo né chiave=valore</source>
        <translation>ligne qui n&apos;est ni un groupe ni clé=valeur</translation>
    </message>
    <message>
        <source>chiave senza nome</source>
        <translation>clé sans nom</translation>
    </message>
    <message>
        <source>%1, riga %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>intestazione di gruppo in un file senza gruppi</source>
        <translation>en-tête de groupe dans un fichier sans groupes</translation>
    </message>
    <message>
        <source>chiave fuori da ogni gruppo</source>
        <translation>clé en dehors de tout groupe</translation>
    </message>
    <message>
        <source>gruppo ripetuto: [%1], già alla riga %2</source>
        <translation>groupe répété : [%1], déjà à la ligne %2</translation>
    </message>
    <message>
        <source>chiave ripetuta: %1, già alla riga %2</source>
        <translation>clé répétée : %1, déjà à la ligne %2</translation>
    </message>
</context>
<context>
    <name>FileSicuri</name>
    <message>
        <source>Il file %1 non esiste.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Il file %1 supera %2 KB e non viene letto.</source>
        <translation>Le fichier %1 dépasse %2 Ko et n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>FoglioPaga</name>
    <message>
        <source>Importo versato sul conto</source>
        <translation>Montant versé sur le compte</translation>
    </message>
    <message>
        <source>Numero AVS: </source>
        <translation>Numéro AVS : </translation>
    </message>
    <message>
        <source>Stipendio mese di </source>
        <translation>Salaire du mois de </translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Totale lordo</source>
        <translation>Total brut</translation>
    </message>
    <message>
        <source>Deduzioni</source>
        <translation>Déductions</translation>
    </message>
    <message>
        <source>Imponibile</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Aliquota</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Deduzione</source>
        <translation>Déduction</translation>
    </message>
    <message>
        <source>Totale deduzioni</source>
        <translation>Total des déductions</translation>
    </message>
    <message>
        <source>Totale parziale</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Importo versato in contanti</source>
        <translation>Montant versé en espèces</translation>
    </message>
    <message>
        <source>Diritto vacanze per anno: %1 settimane</source>
        <translation>Droit aux vacances par année : %1 semaines</translation>
    </message>
    <message>
        <source>Vacanze maturate</source>
        <translation>Vacances acquises</translation>
    </message>
    <message>
        <source>Riporto saldo vacanze anno precedente</source>
        <translation>Report du solde de vacances de l&apos;année précédente</translation>
    </message>
    <message>
        <source>Nuovo saldo vacanze</source>
        <translation>Nouveau solde de vacances</translation>
    </message>
    <message>
        <source>Comunicazioni: </source>
        <translation>Communications : </translation>
    </message>
    <message>
        <source>Conteggio salario allestito con Vardello</source>
        <translation>Décompte de salaire établi avec Vardello</translation>
    </message>
    <message>
        <source>Dipendente: %1</source>
        <translation>Employé : %1</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - Anno %1</source>
        <translation>Saisie des variables du mois - Année %1</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Total annuel</translation>
    </message>
    <message>
        <source> giorni</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - %1</source>
        <translation>Saisie des variables du mois - %1</translation>
    </message>
    <message>
        <source>Anno %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>Riepilogo annuale - Anno %1</source>
        <translation>Récapitulatif annuel - Année %1</translation>
    </message>
    <message>
        <source>Vacanze prese nell&apos;anno</source>
        <translation>Vacances prises dans l&apos;année</translation>
    </message>
    <message>
        <source>Non pagati e non compresi nel totale (l&apos;ultima chiusura del mese non li ha potuti conteggiare):</source>
        <translation>Non payés et non compris dans le total (la dernière clôture du mois n&apos;a pas pu les décompter) :</translation>
    </message>
</context>
<context>
    <name>GeneriSalario</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valeur non valable pour %1 : &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>GestioneAzienda</name>
    <message>
        <source>Azienda</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Raison sociale</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>La raison sociale est obligatoire.</translation>
    </message>
    <message>
        <source>Il CAP deve essere di 4 cifre.</source>
        <translation>Le NPA doit comporter 4 chiffres.</translation>
    </message>
    <message>
        <source>Il cantone deve essere di 2 lettere (es. TI).</source>
        <translation>Le canton doit comporter 2 lettres (p. ex. TI).</translation>
    </message>
    <message>
        <source>L&apos;IBAN dell&apos;azienda non è valido: controlla le cifre.</source>
        <translation>L&apos;IBAN de l&apos;entreprise n&apos;est pas valable : vérifiez les chiffres.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Dati salvati.</source>
        <translation>Données enregistrées.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questa azienda?</source>
        <translation>Supprimer définitivement cette entreprise ?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>La suppression a échoué.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Azienda eliminata.</source>
        <translation>Entreprise supprimée.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
</context>
<context>
    <name>GestioneCampiMovimento</name>
    <message>
        <source>Gestione campi movimento</source>
        <translation>Gestion des rubriques de mouvement</translation>
    </message>
    <message>
        <source>Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali).</source>
        <translation>Configurez les rubriques personnalisées (déductions légales, remboursements de prêts, éléments de salaire).</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Tipo importo</source>
        <translation>Type de montant</translation>
    </message>
    <message>
        <source>Soggetto</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AVS</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>CAF</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>LAA</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IS</translation>
    </message>
    <message>
        <source>Mass.AD</source>
        <translation>Plaf. AC</translation>
    </message>
    <message>
        <source>Mass.LAINF</source>
        <translation>Plaf. LAA</translation>
    </message>
    <message>
        <source>Cat.cert.</source>
        <translation>Cat. cert.</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Importo totale</source>
        <translation>Montant total</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Sélectionnez une ligne.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Eliminare il campo selezionato?</source>
        <translation>Supprimer la rubrique sélectionnée ?</translation>
    </message>
    <message>
        <source>Conferma salvataggio</source>
        <translation>Confirmer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i campi movimento personalizzati. Confermi?</source>
        <translation>Vous allez écraser les rubriques de mouvement personnalisées. Confirmez-vous ?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Campi movimento salvati.</source>
        <translation>Rubriques de mouvement enregistrées.</translation>
    </message>
    <message>
        <source>Il file dei campi movimento non si è letto correttamente:
%1</source>
        <translation>Le fichier des rubriques de mouvement n&apos;a pas été lu correctement :
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Les modifications ne peuvent pas être enregistrées tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, ligne %2</translation>
    </message>
</context>
<context>
    <name>GestioneCertificati</name>
    <message>
        <source>Gestione certificati</source>
        <translation>Gestion des certificats</translation>
    </message>
    <message>
        <source>Certificati salvati:</source>
        <translation>Certificats enregistrés :</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Nessun certificato</source>
        <translation>Aucun certificat</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile leggere il file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation>Certificat</translation>
    </message>
    <message>
        <source>Eliminare il certificato &quot;%1&quot;?</source>
        <translation>Supprimer le certificat &quot;%1&quot; ?</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file:
%1</source>
        <translation>Impossible de supprimer le fichier :
%1</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Spunta almeno un certificato.</source>
        <translation>Cochez au moins un certificat.</translation>
    </message>
    <message>
        <source>Certificato di salario</source>
        <translation>Certificat de salaire</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF enregistré dans :
</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Cartella per i PDF</source>
        <translation>Dossier pour les PDF</translation>
    </message>
    <message>
        <source>Esportati: %1
Errori: %2
Cartella: %3</source>
        <translation>Exportés : %1
Erreurs : %2
Dossier : %3</translation>
    </message>
    <message>
        <source>Esportati</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Il certificato non si è letto correttamente:
%1</source>
        <translation>Le certificat n&apos;a pas été lu correctement :
%1</translation>
    </message>
    <message>
        <source>Non ci sono certificati salvati.
Usa %1 &gt; %2</source>
        <translation>Aucun certificat n&apos;est enregistré.
Utilisez %1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>GestioneGeneri</name>
    <message>
        <source>Generi di salario</source>
        <translation>Genres de salaire</translation>
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
        <translation>AVS</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>CAF</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>LAA</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Sélectionnez une ligne.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Supprimer la ligne sélectionnée ?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Generi salvati.</source>
        <translation>Genres de salaire enregistrés.</translation>
    </message>
    <message>
        <source>Il file dei generi di salario non si è letto correttamente:
%1</source>
        <translation>Le fichier des genres de salaire n&apos;a pas été lu correctement :
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Les modifications ne peuvent pas être enregistrées tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
</context>
<context>
    <name>GestioneMovimenti</name>
    <message>
        <source>Importo</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Movimenti straordinari - %1</source>
        <translation>Mouvements extraordinaires - %1</translation>
    </message>
    <message>
        <source>Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag.</source>
        <translation>Modifiez directement les cellules. Changer le Type applique des réglages prédéfinis aux indicateurs.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>Supprimer la ligne sélectionnée ?</translation>
    </message>
    <message>
        <source>Movimenti salvati.</source>
        <translation>Mouvements enregistrés.</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Impossible d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Riga %1: la data &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31/12/2026.</source>
        <translation>Ligne %1 : la date &quot;%2&quot; n&apos;est pas valable : écrivez par exemple 31/12/2026.</translation>
    </message>
    <message>
        <source>Movimenti</source>
        <translation>Mouvements</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Questi movimenti sono datati in un mese gia&apos; salvato nello storico paghe e non sono ancora pagati: per pagarli il mese va conteggiato di nuovo (Chiusura mensile, &quot;Genera tutti e salva&quot;).</source>
        <translation>Ces mouvements sont datés dans un mois déjà enregistré dans l&apos;historique des paies et ne sont pas encore payés : pour les payer, il faut décompter à nouveau le mois (Clôture mensuelle, &quot;Tout générer et enregistrer&quot;).</translation>
    </message>
    <message>
        <source>Questi movimenti restano salvati come scritti, ma il conteggio del salario non li paga mai:</source>
        <translation>Ces mouvements restent enregistrés tels qu&apos;écrits, mais le décompte de salaire ne les paie jamais :</translation>
    </message>
    <message>
        <source>l&apos;importo e&apos; zero o negativo</source>
        <translation>le montant est nul ou négatif</translation>
    </message>
    <message>
        <source>nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF</source>
        <translation>aucune case cochée parmi AVS, AC, CAF, LAA, LPP et IS</translation>
    </message>
    <message>
        <source>riga %1, %2 %3 CHF: %4</source>
        <translation>ligne %1, %2 %3 CHF : %4</translation>
    </message>
</context>
<context>
    <name>GestioneStipendi</name>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salaire mensuel</translation>
    </message>
    <message>
        <source>Mensilita</source>
        <translation>Nombre de salaires</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Ajouter une période</translation>
    </message>
    <message>
        <source>Elimina periodo</source>
        <translation>Supprimer la période</translation>
    </message>
    <message>
        <source>Apri scheda</source>
        <translation>Ouvrir la fiche</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Periodi (mensilita read-only, calcolata dalla scheda dipendente):</source>
        <translation>Périodes (nombre de salaires en lecture seule, calculé à partir de la fiche de l&apos;employé) :</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Seleziona un periodo.</source>
        <translation>Sélectionnez une période.</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>Supprimer la période sélectionnée ?</translation>
    </message>
    <message>
        <source>Inizio, riga %1</source>
        <translation>Début, ligne %1</translation>
    </message>
    <message>
        <source>Fine, riga %1</source>
        <translation>Fin, ligne %1</translation>
    </message>
    <message>
        <source>Salario mensile, riga %1</source>
        <translation>Salaire mensuel, ligne %1</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Periodi salvati.</source>
        <translation>Périodes enregistrées.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>Impossible d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Historique des salaires</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo finisce il %2, prima del suo inizio il %3.</source>
        <translation>&quot;%1&quot; : la période se termine le %2, avant son début le %3.</translation>
    </message>
    <message>
        <source>Storico stipendi - %1</source>
        <translation>Historique des salaires - %1</translation>
    </message>
</context>
<context>
    <name>GestioneValute</name>
    <message>
        <source>Gestione valute</source>
        <translation>Gestion des monnaies</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Simbolo</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Cambio in CHF</source>
        <translation>Cours en CHF</translation>
    </message>
    <message>
        <source>Arrotonda a 5 cent.</source>
        <translation>Arrondir à 5 ct.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Il franco svizzero e&apos; la valuta di base e non si puo&apos; eliminare.</source>
        <translation>Le franc suisse est la monnaie de base et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Valute salvate.</source>
        <translation>Monnaies enregistrées.</translation>
    </message>
    <message>
        <source>mancano campi (servono codice;nome;simbolo;cambio;arrotondamento)</source>
        <translation>des champs manquent (il faut code;nom;symbole;cours;arrondi)</translation>
    </message>
    <message>
        <source>ci sono piu&apos; di cinque campi</source>
        <translation>il y a plus de cinq champs</translation>
    </message>
    <message>
        <source>il cambio non e&apos; un numero intero</source>
        <translation>le cours n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>l&apos;arrotondamento non e&apos; 0 o 1</source>
        <translation>l&apos;arrondi n&apos;est pas 0 ou 1</translation>
    </message>
    <message>
        <source>manca il codice</source>
        <translation>le code manque</translation>
    </message>
    <message>
        <source>contiene un carattere nullo</source>
        <translation>contient un caractère nul</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu en entier : %2.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; in &quot;%2&quot; non puo&apos; contenere &quot;;&quot; o un a capo.</source>
        <translation>Le texte &quot;%1&quot; dans &quot;%2&quot; ne peut pas contenir &quot;;&quot; ni de retour à la ligne.</translation>
    </message>
    <message>
        <source>Manca il codice in &quot;%1&quot;.</source>
        <translation>Le code manque dans &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Il codice &quot;%1&quot; in &quot;%2&quot; e&apos; gia&apos; in un&apos;altra riga.</source>
        <translation>Le code &quot;%1&quot; dans &quot;%2&quot; figure déjà dans une autre ligne.</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; deve essere maggiore di zero (al milionesimo).</source>
        <translation>Le cours &quot;%1&quot; dans &quot;%2&quot; doit être supérieur à zéro (au millionième).</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; ha piu&apos; di 6 decimali: scriverlo con 6 decimali al massimo.</source>
        <translation>Le cours &quot;%1&quot; dans &quot;%2&quot; a plus de 6 décimales : l&apos;écrire avec 6 décimales au plus.</translation>
    </message>
</context>
<context>
    <name>GestioneVariabili</name>
    <message>
        <source>Mese</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Ore
fatte</source>
        <translation>Heures
effectuées</translation>
    </message>
    <message>
        <source>Ore extra
25%</source>
        <translation>Heures sup.
25%</translation>
    </message>
    <message>
        <source>Ore extra
50%</source>
        <translation>Heures sup.
50%</translation>
    </message>
    <message>
        <source>Ore extra
compensate</source>
        <translation>Heures sup.
compensées</translation>
    </message>
    <message>
        <source>Rimb.
malattia</source>
        <translation>Indemn.
maladie</translation>
    </message>
    <message>
        <source>Rimb.
infortunio</source>
        <translation>Indemn.
accident</translation>
    </message>
    <message>
        <source>Rimb.
IPG</source>
        <translation>Indemn.
APG</translation>
    </message>
    <message>
        <source>Rimb.
spese</source>
        <translation>Rembours.
frais</translation>
    </message>
    <message>
        <source>Acconti</source>
        <translation>Avances</translation>
    </message>
    <message>
        <source>Rimb.
prestiti</source>
        <translation>Rembours.
prêts</translation>
    </message>
    <message>
        <source>Tratt.
UEF</source>
        <translation>Retenues
OP</translation>
    </message>
    <message>
        <source>Vacanze
(gg)</source>
        <translation>Vacances
(jours)</translation>
    </message>
    <message>
        <source>Imp.
imponibili</source>
        <translation>Mont.
imposables</translation>
    </message>
    <message>
        <source>Imp. non
imponibili</source>
        <translation>Mont. non
imposables</translation>
    </message>
    <message>
        <source>Rimb.
trasferte</source>
        <translation>Rembours.
déplacements</translation>
    </message>
    <message>
        <source>Deduz.
assenze</source>
        <translation>Déduct.
absences</translation>
    </message>
    <message>
        <source>Rimb.
assicur.</source>
        <translation>Rembours.
assur.</translation>
    </message>
    <message>
        <source>13a / 14a /
Gratifica</source>
        <translation>13e / 14e /
Gratification</translation>
    </message>
    <message>
        <source>Note /
Descrizione</source>
        <translation>Notes /
Description</translation>
    </message>
    <message>
        <source>Inserimento variabili mensili</source>
        <translation>Saisie des variables mensuelles</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Employé :</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Anteprima / Stampa variabili PDF...</source>
        <translation>Aperçu / Impression des variables en PDF...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Contratto: Salario orario (CHF %1/h)</source>
        <translation>Contrat : salaire horaire (CHF %1/h)</translation>
    </message>
    <message>
        <source>Contratto: Stipendio mensile (CHF %1/mese)</source>
        <translation>Contrat : salaire mensuel (CHF %1/mois)</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Total annuel</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>AVIS IMPORTANT - Limite légale du travail supplémentaire (art. 12 LTr)</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul lavoro (art. 12 LL):

- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)
- Totale annuo %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Attention : les heures supplémentaires non compensées dépassent les limites de référence de la loi fédérale sur le travail (art. 12 LTr) :

- Pic mensuel : %1 h (seuil mensuel de prudence : 40 h)
- Total annuel %2 : %3 h (limite légale : 140 h/an, ou 170 h/an pour la semaine de 45 h)

Voulez-vous tout de même enregistrer ces données à vos risques et périls ?</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Enregistrer à mes risques et périls</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Annuler et corriger</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Impossible d&apos;enregistrer les variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Variabili mensili salvate.</source>
        <translation>Variables mensuelles enregistrées.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Aperçu des variables du mois</translation>
    </message>
    <message>
        <source>%1 - ore fatte e straordinarie del mese</source>
        <translation>%1 - heures effectuées et supplémentaires du mois</translation>
    </message>
</context>
<context>
    <name>ImpostaFonte</name>
    <message>
        <source>(scala non trovata)</source>
        <translation>(barème introuvable)</translation>
    </message>
    <message>
        <source>%1/%2: %3 scaglioni, figli=%4, chiesa=%5</source>
        <translation>%1/%2 : %3 tranches, enfants=%4, église=%5</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: manca il record finale, il file può essere incompleto.</source>
        <translation>Barèmes %1, fichier %2 : l&apos;enregistrement final manque, le fichier est peut-être incomplet.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.</source>
        <translation>Barèmes %1, fichier %2 : l&apos;enregistrement final indique %3 enregistrements, le fichier en contient %4.</translation>
    </message>
    <message>
        <source>record di testata in mezzo al file</source>
        <translation>enregistrement d&apos;en-tête au milieu du fichier</translation>
    </message>
    <message>
        <source>carattere non valido alla posizione %1</source>
        <translation>caractère non valide à la position %1</translation>
    </message>
    <message>
        <source>tipo di record sconosciuto: &quot;%1&quot;</source>
        <translation>type d&apos;enregistrement inconnu : « %1 »</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: record danneggiato (%4); la sua tariffa non viene usata.</source>
        <translation>Barèmes %1, fichier %2, ligne %3 : enregistrement endommagé (%4) ; son barème n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altri %3 record danneggiati non elencati.</source>
        <translation>Barèmes %1, fichier %2 : %3 autres enregistrements endommagés non listés.</translation>
    </message>
    <message>
        <source>%1 byte invece di %2</source>
        <translation>%1 octets au lieu de %2</translation>
    </message>
    <message>
        <source>cantone o codice illeggibile</source>
        <translation>canton ou code illisible</translation>
    </message>
    <message>
        <source>campo non numerico alle posizioni %1-%2: &quot;%3&quot;</source>
        <translation>champ non numérique aux positions %1-%2 : « %3 »</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: la tariffa %4 si contraddice (%5); la tariffa non viene usata.</source>
        <translation>Barèmes %1, fichier %2, ligne %3 : le barème %4 se contredit (%5) ; le barème n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altre %3 tariffe contraddittorie non elencate.</source>
        <translation>Barèmes %1, fichier %2 : %3 autres barèmes contradictoires non listés.</translation>
    </message>
    <message>
        <source>valida dal %1, i record precedenti dal %2</source>
        <translation>valable dès le %1, les enregistrements précédents dès le %2</translation>
    </message>
    <message>
        <source>reddito da %1 non superiore a %2 del record precedente</source>
        <translation>revenu dès %1 non supérieur à %2 de l&apos;enregistrement précédent</translation>
    </message>
</context>
<context>
    <name>ImpostaPassword</name>
    <message>
        <source>Imposta password amministratore</source>
        <translation>Définir le mot de passe administrateur</translation>
    </message>
    <message>
        <source>Non è ancora stata impostata una password amministratore. Scegline una di almeno %1 caratteri e scrivila due volte.</source>
        <translation>Aucun mot de passe administrateur n&apos;a encore été défini. Choisissez-en un d&apos;au moins %1 caractères et saisissez-le deux fois.</translation>
    </message>
    <message>
        <source>Nuova password:</source>
        <translation>Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Ripeti la password:</source>
        <translation>Répétez le mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>La password deve avere almeno %1 caratteri.</source>
        <translation>Le mot de passe doit comporter au moins %1 caractères.</translation>
    </message>
    <message>
        <source>Le due password non coincidono.</source>
        <translation>Les deux mots de passe ne concordent pas.</translation>
    </message>
    <message>
        <source>Impossibile salvare la password in %1.</source>
        <translation>Impossible d&apos;enregistrer le mot de passe dans %1.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Password amministratore</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>Password impostata.</source>
        <translation>Mot de passe défini.</translation>
    </message>
</context>
<context>
    <name>InputSvizzero</name>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; non e&apos; valido: scrivere ad esempio 5&apos;000.50 oppure 5000,50.</source>
        <translation>Le montant &quot;%1&quot; dans &quot;%2&quot; n&apos;est pas valable : écrivez par exemple 5&apos;000.50 ou 5000,50.</translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; in &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.</source>
        <translation>La date &quot;%1&quot; dans &quot;%2&quot; n&apos;est pas valable : écrivez par exemple 31.12.2025 ou 31/12/2025.</translation>
    </message>
    <message>
        <source>Il valore %1 in &quot;%2&quot; non e&apos; ammesso: deve essere tra %3 e %4.</source>
        <translation>La valeur %1 dans &quot;%2&quot; n&apos;est pas admise : elle doit être comprise entre %3 et %4.</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; ha troppi decimali: se ne possono scrivere al massimo %3.</source>
        <translation>La valeur &quot;%1&quot; dans &quot;%2&quot; a trop de décimales : %3 au maximum sont admises.</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; supera il massimo ammesso di %3.</source>
        <translation>Le montant &quot;%1&quot; dans &quot;%2&quot; dépasse le maximum admis de %3.</translation>
    </message>
</context>
<context>
    <name>LinguaUtente</name>
    <message>
        <source>it</source>
        <extracomment>The two-letter code of the language of this translation: de, fr, en or es.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>ListaDipendenti</name>
    <message>
        <source>Lista Dipendenti</source>
        <translation>Liste des employés</translation>
    </message>
    <message>
        <source>Dipendenti dell&apos;azienda:</source>
        <translation>Employés de l&apos;entreprise :</translation>
    </message>
    <message>
        <source>Cerca dipendente...</source>
        <translation>Rechercher un employé...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Numéro AVS</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>(Nessun dipendente)</source>
        <translation>(Aucun employé)</translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare il dipendente?
</source>
        <translation>Voulez-vous vraiment supprimer l&apos;employé ?
</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file del dipendente:
</source>
        <translation>Impossible de supprimer le fichier de l&apos;employé :
</translation>
    </message>
</context>
<context>
    <name>LoginAdmin</name>
    <message>
        <source>Password amministratore</source>
        <translation>Mot de passe administrateur</translation>
    </message>
    <message>
        <source>Inserisci la password amministratore:</source>
        <translation>Saisissez le mot de passe administrateur :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Password errata.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
</context>
<context>
    <name>ModificheNonSalvate</name>
    <message>
        <source>Chiudere?</source>
        <translation>Fermer ?</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation>Certaines modifications ne sont pas enregistrées.
Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Modifiche non salvate</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvarle prima di continuare?</source>
        <translation>Il y a des modifications non enregistrées.
Les enregistrer avant de continuer ?</translation>
    </message>
</context>
<context>
    <name>MostraHelp</name>
    <message>
        <source>Manuale</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>File manuale non trovato.</source>
        <translation>Fichier du manuel introuvable.</translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale:
%1

Aprire il file con un browser.</source>
        <translation>Impossible d&apos;ouvrir le manuel :
%1

Ouvrez le fichier avec un navigateur.</translation>
    </message>
</context>
<context>
    <name>Movimenti</name>
    <message>
        <source>riga %1: il movimento non ha %2</source>
        <translation>ligne %1 : il manque %2 dans le mouvement</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>ligne %1 : caractère nul</translation>
    </message>
    <message>
        <source>riga %1: riga non riconosciuta &quot;%2&quot;</source>
        <translation>ligne %1 : ligne non reconnue &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto, manca la riga vuota tra due movimenti</source>
        <translation>ligne %1 : %2 répété, la ligne vide entre deux mouvements manque</translation>
    </message>
    <message>
        <source>riga %1: importo non valido</source>
        <translation>ligne %1 : montant non valable</translation>
    </message>
    <message>
        <source>riga %1: categoriaCertificato non valida</source>
        <translation>ligne %1 : categoriaCertificato non valable</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>ligne %1 : %2 n&apos;est pas 0 ou 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu en entier : %2.</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo in %2</source>
        <translation>ligne %1 : caractère nul dans %2</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Code d&apos;employé inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>movimento %1 (%2, %3): %4</source>
        <translation>mouvement %1 (%2, %3) : %4</translation>
    </message>
    <message>
        <source>Valori non validi, i movimenti non vengono salvati: %1.</source>
        <translation>Valeurs non valables, les mouvements ne sont pas enregistrés : %1.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
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
        <translation>Montant</translation>
    </message>
    <message>
        <source>Cat.</source>
        <translation>Cat.</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AVS</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>CAF</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>LAA</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IS</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Gratifica</source>
        <translation>Gratification</translation>
    </message>
</context>
<context>
    <name>Nazioni</name>
    <message>
        <source>Partita IVA</source>
        <translation>N° TVA</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>IBAN azienda</source>
        <translation>IBAN de l&apos;entreprise</translation>
    </message>
    <message>
        <source>BIC azienda</source>
        <translation>BIC de l&apos;entreprise</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>IDE</translation>
    </message>
    <message>
        <source>Numéro d&apos;entreprise (BCE/KBO)</source>
        <translation>Numéro d&apos;entreprise (BCE/KBO)</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Belgio</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Paesi Bassi</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Regno Unito</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Stati Uniti</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>CHE-123.456.789 IVA</source>
        <translation>CHE-123.456.789 TVA</translation>
    </message>
</context>
<context>
    <name>NuovaAzienda</name>
    <message>
        <source>Nuova Azienda</source>
        <translation>Nouvelle entreprise</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Franco svizzero (CHF)</source>
        <translation>Franc suisse (CHF)</translation>
    </message>
    <message>
        <source>Euro (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Raison sociale</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>La raison sociale est obligatoire.</translation>
    </message>
    <message>
        <source>La ragione sociale non dà un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>La raison sociale ne donne pas de nom de fichier utilisable : utilisez aussi des lettres ou des chiffres.</translation>
    </message>
    <message>
        <source>Azienda esistente</source>
        <translation>Entreprise existante</translation>
    </message>
    <message>
        <source>Esiste già un&apos;azienda salvata nel file %1.
Sostituirla?</source>
        <translation>Une entreprise est déjà enregistrée dans le fichier %1.
La remplacer ?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati.</source>
        <translation>Impossible d&apos;enregistrer les données.</translation>
    </message>
    <message>
        <source>L&apos;IBAN &quot;%1&quot; non e&apos; valido: controllare le cifre (ad esempio CH93 0076 2011 6238 5295 7).</source>
        <translation>L&apos;IBAN &quot;%1&quot; n&apos;est pas valable : vérifiez les chiffres (par exemple CH93 0076 2011 6238 5295 7).</translation>
    </message>
    <message>
        <source>Il BIC &quot;%1&quot; non e&apos; valido: deve avere 8 o 11 caratteri (ad esempio UBSWCHZH80A).</source>
        <translation>Le BIC &quot;%1&quot; n&apos;est pas valable : il doit compter 8 ou 11 caractères (par exemple UBSWCHZH80A).</translation>
    </message>
</context>
<context>
    <name>NuovoDipendente</name>
    <message>
        <source>Nuovo Dipendente</source>
        <translation>Nouvel employé</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(non spécifié)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Masculin</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Féminin</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Célibataire</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Marié(e)</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Séparé(e) judiciairement</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorcé(e)</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Veuf/veuve</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Partenariat enregistré</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>État civil</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationalité</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Citoyen suisse</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permis C (établissement)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permis B (séjour)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permis L (courte durée)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permis G (frontalier)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permis F (admission provisoire)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permis S (protection)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Permis de travail</translation>
    </message>
    <message>
        <source>Data di assunzione</source>
        <translation>Date d&apos;engagement</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Durée indéterminée</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Durée déterminée</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Apprentissage</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Type de contrat</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Aucun (12 salaires)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13e salaire</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13e + 14e salaire</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Salaires supplémentaires</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Nome e cognome sono obbligatori.</source>
        <translation>Le prénom et le nom sont obligatoires.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Numéro AVS non valable.</translation>
    </message>
    <message>
        <source>Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>Le prénom et le nom ne donnent pas de nom de fichier utilisable : utilisez aussi des lettres ou des chiffres.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati del dipendente.</source>
        <translation>Impossible d&apos;enregistrer les données de l&apos;employé.</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Numéro AVS</translation>
    </message>
    <message>
        <source>Numero AVS gia&apos; presente</source>
        <translation>Numéro AVS déjà présent</translation>
    </message>
    <message>
        <source>Il numero AVS %1 e&apos; gia&apos; registrato per %2.
Salvare comunque il nuovo dipendente?</source>
        <translation>Le numéro AVS %1 est déjà enregistré pour %2.
Enregistrer quand même le nouvel employé ?</translation>
    </message>
    <message>
        <source>Dipendente salvato</source>
        <translation>Employé enregistré</translation>
    </message>
    <message>
        <source>Il nome di file %1 e&apos; gia&apos; in uso o troppo lungo: il dipendente e&apos; stato salvato come %2.</source>
        <translation>Le nom de fichier %1 est déjà utilisé ou trop long : l&apos;employé a été enregistré sous %2.</translation>
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
        <translation>&quot;%1&quot; : champ obligatoire.</translation>
    </message>
</context>
<context>
    <name>PagheAnno</name>
    <message>
        <source>Impossibile leggere la scheda del dipendente %1.</source>
        <translation>Impossible de lire la fiche de l&apos;employé %1.</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 non si può leggere: %3</source>
        <translation>L&apos;historique des paies %1 de %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>Impossibile stimare l&apos;anno %1 di %2: %3</source>
        <translation>Impossible d&apos;estimer l&apos;année %1 de %2 : %3</translation>
    </message>
    <message>
        <source>%1: nessun mese di servizio nel %2, escluso dai totali.</source>
        <translation>%1 : aucun mois de service en %2, exclu des totaux.</translation>
    </message>
    <message>
        <source>%1: escluso, %2</source>
        <translation>%1 : exclu, %2</translation>
    </message>
    <message>
        <source>%1: nessun mese salvato nel %2 e imposta alla fonte della stima mancante, escluso dai totali: %3</source>
        <translation>%1 : aucun mois enregistré en %2 et impôt à la source de l&apos;estimation manquant, exclu des totaux : %3</translation>
    </message>
    <message>
        <source>%1: nelle cifre anche mesi salvati prima che l&apos;ultima chiusura non ha potuto conteggiare: %2</source>
        <translation>%1 : les chiffres comprennent aussi des mois enregistrés auparavant que la dernière clôture n&apos;a pas pu calculer : %2</translation>
    </message>
</context>
<context>
    <name>Pain001</name>
    <message>
        <source>Manca il nome dell&apos;azienda.</source>
        <translation>Le nom de l&apos;entreprise manque.</translation>
    </message>
    <message>
        <source>IBAN dell&apos;azienda non valido.</source>
        <translation>IBAN de l&apos;entreprise non valable.</translation>
    </message>
    <message>
        <source>BIC dell&apos;azienda non valido.</source>
        <translation>BIC de l&apos;entreprise non valable.</translation>
    </message>
    <message>
        <source>Data di esecuzione non valida.</source>
        <translation>Date d&apos;exécution non valable.</translation>
    </message>
    <message>
        <source>Nessun pagamento.</source>
        <translation>Aucun paiement.</translation>
    </message>
    <message>
        <source>Manca il nome di un beneficiario.</source>
        <translation>Le nom d&apos;un bénéficiaire manque.</translation>
    </message>
    <message>
        <source>IBAN non valido: %1</source>
        <translation>IBAN non valable : %1</translation>
    </message>
    <message>
        <source>Importo non valido: %1</source>
        <translation>Montant non valable : %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Area di lavoro</source>
        <translation>Espace de travail</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>La lingua verra&apos; applicata al prossimo avvio.</source>
        <translation>La langue sera appliquée au prochain démarrage.</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Periodi aggiornati per il nuovo anno.</source>
        <translation>Périodes mises à jour pour la nouvelle année.</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>Nessun dipendente da aggiornare.</source>
        <translation>Aucun employé à mettre à jour.</translation>
    </message>
    <message>
        <source>Scegli la cartella per i dati</source>
        <translation>Choisissez le dossier des données</translation>
    </message>
    <message>
        <source>Cartella dati</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <source>Cartella dati impostata su:
</source>
        <translation>Dossier des données défini sur :
</translation>
    </message>
    <message>
        <source>Impossibile impostare la cartella dati su:
%1

La cartella dati resta:
%2</source>
        <translation>Impossible de définir le dossier des données sur :
%1

Le dossier des données reste :
%2</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Backup eseguito.</source>
        <translation>Sauvegarde effectuée.</translation>
    </message>
    <message>
        <source>Nessuna modifica dall&apos;ultimo backup: nessun nuovo backup.</source>
        <translation>Aucune modification depuis la dernière sauvegarde : pas de nouvelle sauvegarde.</translation>
    </message>
    <message>
        <source>La cartella dati e&apos; vuota.</source>
        <translation>Le dossier des données est vide.</translation>
    </message>
    <message>
        <source>Backup non riuscito: %1</source>
        <translation>La sauvegarde a échoué : %1</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Aucun employé</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Créez d&apos;abord un employé.</translation>
    </message>
    <message>
        <source>Accesso riservato</source>
        <translation>Accès réservé</translation>
    </message>
    <message>
        <source>Questa sezione e&apos; riservata all&apos;amministratore.</source>
        <translation>Cette section est réservée à l&apos;administrateur.</translation>
    </message>
    <message>
        <source>Azienda</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Dati azienda</source>
        <translation>Données de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Nuova azienda</source>
        <translation>Nouvelle entreprise</translation>
    </message>
    <message>
        <source>Cambia azienda...</source>
        <translation>Changer d&apos;entreprise...</translation>
    </message>
    <message>
        <source>Dipendenti</source>
        <translation>Employés</translation>
    </message>
    <message>
        <source>Storico stipendi...</source>
        <translation>Historique des salaires...</translation>
    </message>
    <message>
        <source>Movimenti straordinari...</source>
        <translation>Mouvements extraordinaires...</translation>
    </message>
    <message>
        <source>Nuovo dipendente...</source>
        <translation>Nouvel employé...</translation>
    </message>
    <message>
        <source>Lista dipendenti...</source>
        <translation>Liste des employés...</translation>
    </message>
    <message>
        <source>Elaborazione stipendi</source>
        <translation>Traitement des salaires</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Variables mensuelles...</translation>
    </message>
    <message>
        <source>Chiusura mensile...</source>
        <translation>Clôture mensuelle...</translation>
    </message>
    <message>
        <source>Chiusure di fine anno</source>
        <translation>Clôtures de fin d&apos;année</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi...</source>
        <translation>Nouvelle année de salaires...</translation>
    </message>
    <message>
        <source>Chiusura esercizio / Blocco annuale...</source>
        <translation>Clôture de l&apos;exercice / Verrouillage annuel...</translation>
    </message>
    <message>
        <source>Riepilogo Paghe...</source>
        <translation>Récapitulatif des salaires...</translation>
    </message>
    <message>
        <source>Esporta CSV contabilità...</source>
        <translation>Exporter le CSV pour la comptabilité...</translation>
    </message>
    <message>
        <source>Esporta RSS...</source>
        <translation>Exporter la déclaration RSS...</translation>
    </message>
    <message>
        <source>Esporta RSS PDF...</source>
        <translation>Exporter la déclaration RSS en PDF...</translation>
    </message>
    <message>
        <source>Esporta certificato di salario...</source>
        <translation>Exporter le certificat de salaire...</translation>
    </message>
    <message>
        <source>Esporta certificato PDF...</source>
        <translation>Exporter le certificat en PDF...</translation>
    </message>
    <message>
        <source>Esporta formulario assegni familiari (HTML)...</source>
        <translation>Exporter le formulaire des allocations familiales (HTML)...</translation>
    </message>
    <message>
        <source>Esporta conteggio CAF (HTML)...</source>
        <translation>Exporter le décompte CAF (HTML)...</translation>
    </message>
    <message>
        <source>Gestione certificati...</source>
        <translation>Gestion des certificats...</translation>
    </message>
    <message>
        <source>Esporta XML ELM...</source>
        <translation>Exporter le XML ELM...</translation>
    </message>
    <message>
        <source>Valute</source>
        <translation>Monnaies</translation>
    </message>
    <message>
        <source>Gestione valute</source>
        <translation>Gestion des monnaies</translation>
    </message>
    <message>
        <source>Generi di salario</source>
        <translation>Genres de salaire</translation>
    </message>
    <message>
        <source>Gestione generi...</source>
        <translation>Gestion des genres de salaire...</translation>
    </message>
    <message>
        <source>Dati</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Parametri AVS/SUVA/LPP...</source>
        <translation>Paramètres AVS/SUVA/LPP...</translation>
    </message>
    <message>
        <source>Scegli cartella dati...</source>
        <translation>Choisir le dossier des données...</translation>
    </message>
    <message>
        <source>Esporta dipendenti CSV...</source>
        <translation>Exporter les employés en CSV...</translation>
    </message>
    <message>
        <source>Importa dipendenti CSV...</source>
        <translation>Importer des employés depuis un CSV...</translation>
    </message>
    <message>
        <source>Amministrazione</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Gestione campi movimento...</source>
        <translation>Gestion des rubriques de mouvement...</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>HTML salvato in:
</source>
        <translation>HTML enregistré dans :
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Salva formulario assegni</source>
        <translation>Enregistrer le formulaire des allocations</translation>
    </message>
    <message>
        <source>Salva conteggio CAF</source>
        <translation>Enregistrer le décompte CAF</translation>
    </message>
    <message>
        <source>Cambia azienda</source>
        <translation>Changer d&apos;entreprise</translation>
    </message>
    <message>
        <source>Vardello si chiude: riavvialo per lavorare con %1.</source>
        <translation>Vardello se ferme : redémarrez-le pour travailler avec %1.</translation>
    </message>
    <message>
        <source>Tariffe imposta alla fonte</source>
        <translation>Barèmes de l&apos;impôt à la source</translation>
    </message>
    <message>
        <source>Ripristino</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Il ripristino interrotto non è stato completato: %1</source>
        <translation>La restauration interrompue n&apos;a pas été terminée : %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Collegamenti non copiati: %1</source>
        <translation>Liens non copiés : %1</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui aprire lo storico stipendi:</source>
        <translation>Cochez les employés dont ouvrir l&apos;historique des salaires :</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui gestire i movimenti straordinari:</source>
        <translation>Cochez les employés dont gérer les mouvements extraordinaires :</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi</source>
        <translation>Nouvelle année de salaires</translation>
    </message>
    <message>
        <source>Anno in cui finiscono i periodi di salario attuali (es. 2026):</source>
        <translation>Année où se terminent les périodes de salaire actuelles (p. ex. 2026) :</translation>
    </message>
    <message>
        <source>Anno dei nuovi periodi di salario (es. 2027):</source>
        <translation>Année des nouvelles périodes de salaire (p. ex. 2027) :</translation>
    </message>
</context>
<context>
    <name>RSS</name>
    <message>
        <source>=== RENDICONTO SALARI %1 ===</source>
        <translation>=== DÉCLARATION DES SALAIRES %1 ===</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Employé : </translation>
    </message>
    <message>
        <source>ID file:    </source>
        <translation>ID fichier : </translation>
    </message>
    <message>
        <source>Lordo annuo:         %1 CHF</source>
        <translation>Brut annuel:         %1 CHF</translation>
    </message>
    <message>
        <source>Contributi dip.:     %1 CHF</source>
        <translation>Cotis. employé:      %1 CHF</translation>
    </message>
    <message>
        <source>Contributi datore:   %1 CHF</source>
        <translation>Cotis. employeur:    %1 CHF</translation>
    </message>
    <message>
        <source>LPP annuo:           %1 CHF</source>
        <translation>LPP annuelle:        %1 CHF</translation>
    </message>
    <message>
        <source>Imposta alla fonte:  %1 CHF</source>
        <translation>Impôt à la source:   %1 CHF</translation>
    </message>
    <message>
        <source>Netto annuo:         %1 CHF</source>
        <translation>Net annuel:          %1 CHF</translation>
    </message>
</context>
<context>
    <name>RiepilogoPaghe</name>
    <message>
        <source>Riepilogo Paghe</source>
        <translation>Récapitulatif des salaires</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Employé</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salaire mensuel</translation>
    </message>
    <message>
        <source>Lordo annuo</source>
        <translation>Brut annuel</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Cotisations</translation>
    </message>
    <message>
        <source>Imposta fonte</source>
        <translation>Impôt à la source</translation>
    </message>
    <message>
        <source>Netto annuo</source>
        <translation>Net annuel</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Ricalcola totali</source>
        <translation>Recalculer les totaux</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Totali (%1 dipendenti)</source>
        <translation>Totaux (%1 employés)</translation>
    </message>
    <message>
        <source>Lordo annuo: %1 CHF
Contributi: %2 CHF
Imposta fonte: %3 CHF
Netto annuo: %4 CHF</source>
        <translation>Brut annuel : %1 CHF
Cotisations : %2 CHF
Impôt à la source : %3 CHF
Net annuel : %4 CHF</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF enregistré dans :
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>Impossible d&apos;enregistrer le PDF.</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>Enregistrer le CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Impossibile aprire il file per la scrittura.</source>
        <translation>Impossible d&apos;ouvrir le fichier en écriture.</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV enregistré dans :
</translation>
    </message>
    <message>
        <source>Riepilogo automatico dell&apos;anno: somme dei mesi salvati nello storico paghe; per chi non ha mesi salvati, stima dei mesi di servizio con il salario dei periodi registrati (spunta i dipendenti da includere):</source>
        <translation>Récapitulatif automatique de l&apos;année : sommes des mois enregistrés dans l&apos;historique des paies ; pour les employés sans mois enregistrés, estimation des mois de service avec le salaire des périodes saisies (cochez les employés à inclure) :</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>mesi salvati</source>
        <translation>mois enregistrés</translation>
    </message>
    <message>
        <source>stima</source>
        <translation>estimation</translation>
    </message>
    <message>
        <source>nessun mese nell&apos;anno</source>
        <translation>aucun mois dans l&apos;année</translation>
    </message>
    <message>
        <source>illeggibile</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Di cui %1 dipendenti senza mesi salvati: importi stimati (stima).</source>
        <translation>Dont %1 employés sans mois enregistrés : montants estimés (estimation).</translation>
    </message>
    <message>
        <source>Mese del CSV contabilità</source>
        <translation>Mois du CSV pour la comptabilité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>imposta mancante</source>
        <translation>impôt manquant</translation>
    </message>
    <message>
        <source>Nessun dipendente spuntato ha %1 salvato nello storico paghe: il file non contiene nessun importo. Esegui prima la chiusura del mese.</source>
        <translation>Aucun employé coché n&apos;a %1 enregistré dans l&apos;historique des paies : le fichier ne contient aucun montant. Effectuez d&apos;abord la clôture du mois.</translation>
    </message>
    <message>
        <source>L&apos;ultima chiusura di %1 non ha potuto conteggiare questi dipendenti: il file riporta il mese salvato prima, con lo stato &quot;rifiutato dall&apos;ultima chiusura&quot;:</source>
        <translation>La dernière clôture de %1 n&apos;a pas pu calculer ces employés : le fichier reprend le mois enregistré auparavant, avec l&apos;état &quot;rifiutato dall&apos;ultima chiusura&quot; :</translation>
    </message>
    <message>
        <source>mesi salvati, con rifiuti</source>
        <translation>mois enregistrés, avec refus</translation>
    </message>
</context>
<context>
    <name>ScegliAzienda</name>
    <message>
        <source>Scegli Azienda</source>
        <translation>Choisir une entreprise</translation>
    </message>
    <message>
        <source>Seleziona un&apos;azienda o creane una nuova:</source>
        <translation>Sélectionnez une entreprise ou créez-en une nouvelle :</translation>
    </message>
    <message>
        <source>Nuova Azienda</source>
        <translation>Nouvelle entreprise</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>(Nessuna azienda trovata. Creane una nuova.)</source>
        <translation>(Aucune entreprise trouvée. Créez-en une nouvelle.)</translation>
    </message>
</context>
<context>
    <name>ScegliBanca</name>
    <message>
        <source>Scegli la banca</source>
        <translation>Choisir la banque</translation>
    </message>
    <message>
        <source>Seleziona la banca per i pagamenti stipendi:</source>
        <translation>Sélectionnez la banque pour le paiement des salaires :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ScegliConteggio</name>
    <message>
        <source>Conteggio</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Seleziona il mese da stampare:</source>
        <translation>Sélectionnez le mois à imprimer :</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Nessun conteggio disponibile.</source>
        <translation>Aucun décompte disponible.</translation>
    </message>
    <message>
        <source>Conteggio del mese %1/%2</source>
        <translation>Décompte du mois %1/%2</translation>
    </message>
    <message>
        <source>Lo storico paghe non si legge correttamente: %1</source>
        <translation>L&apos;historique des paies ne se lit pas correctement : %1</translation>
    </message>
</context>
<context>
    <name>ScegliDipendente</name>
    <message>
        <source>Seleziona uno o piu&apos; dipendenti</source>
        <translation>Sélectionnez un ou plusieurs employés</translation>
    </message>
    <message>
        <source>Scegli dipendente</source>
        <translation>Choisir un employé</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare (oppure usa &apos;Seleziona tutti&apos;):</source>
        <translation>Cochez les employés à exporter (ou utilisez &apos;Tout sélectionner&apos;) :</translation>
    </message>
    <message>
        <source>Cerca e seleziona un dipendente:</source>
        <translation>Recherchez et sélectionnez un employé :</translation>
    </message>
    <message>
        <source>Cerca per AVS, cognome o nome...</source>
        <translation>Rechercher par n° AVS, nom ou prénom...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Numéro AVS</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Cessato</source>
        <translation>Sorti</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Spunta almeno un dipendente.</source>
        <translation>Cochez au moins un employé.</translation>
    </message>
    <message>
        <source>Seleziona un dipendente.</source>
        <translation>Sélectionnez un employé.</translation>
    </message>
    <message>
        <source>Entrata futura</source>
        <translation>Entrée future</translation>
    </message>
</context>
<context>
    <name>SchedaDipendente</name>
    <message>
        <source>Scheda Dipendente</source>
        <translation>Fiche de l&apos;employé</translation>
    </message>
    <message>
        <source>&lt;b&gt;N° AVS:&lt;/b&gt;</source>
        <translation>&lt;b&gt;N° AVS :&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2</source>
        <translation>&lt;b&gt;Employé :&lt;/b&gt; %1 %2</translation>
    </message>
    <message>
        <source>Periodi di rapporto...</source>
        <translation>Périodes d&apos;engagement...</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Historique des salaires</translation>
    </message>
    <message>
        <source>Stampa foglio paga</source>
        <translation>Imprimer la fiche de salaire</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Variables mensuelles...</translation>
    </message>
    <message>
        <source>Stampa variabili mese</source>
        <translation>Imprimer les variables du mois</translation>
    </message>
    <message>
        <source>Riepilogo annuale</source>
        <translation>Récapitulatif annuel</translation>
    </message>
    <message>
        <source>Gestisci figli...</source>
        <translation>Gérer les enfants...</translation>
    </message>
    <message>
        <source>Dati amministrativi...</source>
        <translation>Données administratives...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apri il manuale (D03)</source>
        <translation>Ouvrir le manuel (D03)</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(non spécifié)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Masculin</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Féminin</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Célibataire</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Marié(e)</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Séparé(e) judiciairement</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorcé(e)</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Veuf/veuve</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Partenariat enregistré</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>État civil</translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>État civil depuis le</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Téléphone portable</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nationalité</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Citoyen suisse</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permis C (établissement)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permis B (séjour)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permis L (courte durée)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permis G (frontalier)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permis F (admission provisoire)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permis S (protection)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Permis de travail</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Si - in Svizzera</source>
        <translation>Oui - en Suisse</translation>
    </message>
    <message>
        <source>Si - all&apos;Estero</source>
        <translation>Oui - à l&apos;étranger</translation>
    </message>
    <message>
        <source>Coniuge/partner lavora</source>
        <translation>Le conjoint/partenaire travaille</translation>
    </message>
    <message>
        <source>Altre attivita lucrative contemporanee (CH/Estero)</source>
        <translation>Autres activités lucratives simultanées (CH/étranger)</translation>
    </message>
    <message>
        <source>es. A0, B1, C2, H1, G0</source>
        <translation>p. ex. A0, B1, C2, H1, G0</translation>
    </message>
    <message>
        <source>Tariffa Imposte alla Fonte</source>
        <translation>Barème de l&apos;impôt à la source</translation>
    </message>
    <message>
        <source>Grado di occupazione (%)</source>
        <translation>Taux d&apos;occupation (%)</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Durée indéterminée</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Durée déterminée</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Apprentissage</translation>
    </message>
    <message>
        <source>Indipendente</source>
        <translation>Indépendant</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Type de contrat</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Aucun (12 salaires)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13e salaire</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13e + 14e salaire</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Salaires supplémentaires</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salaire mensuel</translation>
    </message>
    <message>
        <source>Paga oraria</source>
        <translation>Salaire horaire</translation>
    </message>
    <message>
        <source>Tipo di paga</source>
        <translation>Type de rémunération</translation>
    </message>
    <message>
        <source>Salario mensile (CHF)</source>
        <translation>Salaire mensuel (CHF)</translation>
    </message>
    <message>
        <source>0 = calcola automaticamente</source>
        <translation>0 = calcul automatique</translation>
    </message>
    <message>
        <source>LPP trattenuta (CHF)</source>
        <translation>Retenue LPP (CHF)</translation>
    </message>
    <message>
        <source>Paga oraria (CHF/h)</source>
        <translation>Salaire horaire (CHF/h)</translation>
    </message>
    <message>
        <source>(nessuno)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>CCL applicabile</source>
        <translation>CCT applicable</translation>
    </message>
    <message>
        <source>Categoria CCL</source>
        <translation>Catégorie CCT</translation>
    </message>
    <message>
        <source>Banca</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Contanti</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Modalita di pagamento</source>
        <translation>Mode de paiement</translation>
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
        <translation>Titulaire du compte</translation>
    </message>
    <message>
        <source>BIC/SWIFT (banche estere)</source>
        <translation>BIC/SWIFT (banques étrangères)</translation>
    </message>
    <message>
        <source>BIC/SWIFT</source>
        <translation>BIC/SWIFT</translation>
    </message>
    <message>
        <source>Banca estera</source>
        <translation>Banque étrangère</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Il grado di occupazione &quot;%1&quot; non e&apos; valido: scrivere un numero intero, ad esempio 80.</source>
        <translation>Le taux d&apos;occupation &quot;%1&quot; n&apos;est pas valable : écrivez un nombre entier, par exemple 80.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Numéro AVS non valable.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>L&apos;enregistrement a échoué.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Dipendente salvato.</source>
        <translation>Employé enregistré.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questo dipendente?</source>
        <translation>Supprimer définitivement cet employé ?</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>La suppression a échoué.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Dipendente eliminato.</source>
        <translation>Employé supprimé.</translation>
    </message>
    <message>
        <source>Anteprima foglio paga</source>
        <translation>Aperçu de la fiche de salaire</translation>
    </message>
    <message>
        <source>Anteprima riepilogo annuale</source>
        <translation>Aperçu du récapitulatif annuel</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Aperçu des variables du mois</translation>
    </message>
    <message>
        <source>Foglio paga</source>
        <translation>Fiche de salaire</translation>
    </message>
    <message>
        <source>Nessun conteggio salvato per %1.</source>
        <translation>Aucun décompte enregistré pour %1.</translation>
    </message>
    <message>
        <source>Dati non validi</source>
        <translation>Données non valables</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>Le fichier n&apos;est pas écrasé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo %2 finisce il %3, prima del suo inizio il %4.</source>
        <translation>&quot;%1&quot; : la période %2 se termine le %3, avant son début le %4.</translation>
    </message>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Périodes d&apos;engagement</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: la data di nascita %2 di %3 e&apos; dopo oggi.</source>
        <translation>&quot;%1&quot; : la date de naissance %2 de %3 est postérieure à aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Figli</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 non e&apos; un IBAN valido, controlla le cifre.</source>
        <translation>&quot;%1&quot; : %2 n&apos;est pas un IBAN valable, vérifiez les chiffres.</translation>
    </message>
    <message>
        <source>Lo storico stipendi non viene aggiornato: il dipendente non e&apos; salvato.</source>
        <translation>L&apos;historique des salaires n&apos;est pas mis à jour : l&apos;employé n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>Dipendente salvato, ma il salario del periodo in corso nello storico stipendi non e&apos; stato aggiornato.</source>
        <translation>Employé enregistré, mais le salaire de la période en cours dans l&apos;historique des salaires n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: i periodi %2 e %3 si sovrappongono: un dipendente ha un solo rapporto alla volta.</source>
        <translation>&quot;%1&quot; : les périodes %2 et %3 se chevauchent : un employé n&apos;a qu&apos;un seul rapport de travail à la fois.</translation>
    </message>
    <message>
        <source>Lo storico stipendi indica ora %1 per il mese in corso: la scheda mostra questo salario al posto di &quot;%2&quot; scritto prima.</source>
        <translation>L&apos;historique des salaires indique maintenant %1 pour le mois en cours : la fiche affiche ce salaire à la place de &quot;%2&quot; saisi avant.</translation>
    </message>
    <message>
        <source>Nessuna tabella dell&apos;imposta alla fonte e&apos; caricata per il cantone %1: la tariffa %2 non puo&apos; essere controllata.</source>
        <translation>Aucun barème de l&apos;impôt à la source n&apos;est chargé pour le canton %1 : le barème %2 ne peut pas être contrôlé.</translation>
    </message>
    <message>
        <source>La tariffa %1 non si trova nelle tabelle dell&apos;imposta alla fonte caricate per il cantone %2.</source>
        <translation>Le barème %1 ne se trouve pas dans les barèmes de l&apos;impôt à la source chargés pour le canton %2.</translation>
    </message>
    <message>
        <source>Il dipendente viene salvato, ma la chiusura mensile non lo conteggia finche&apos; la sua tariffa non si trova nelle tabelle caricate.</source>
        <translation>L&apos;employé est enregistré, mais la clôture mensuelle ne le calcule pas tant que son barème ne se trouve pas dans les barèmes chargés.</translation>
    </message>
    <message>
        <source>Stampa da verificare: lo storico paghe non si e&apos; letto del tutto o il mese non e&apos; il conteggio attuale.</source>
        <translation>Impression à vérifier : l&apos;historique des paies n&apos;a pas été lu entièrement ou le mois n&apos;est pas le décompte actuel.</translation>
    </message>
    <message>
        <source>Il file delle tariffe del cantone %1 contiene la tariffa %2 danneggiata o in contraddizione con se stessa: non viene usata.</source>
        <translation>Le fichier des barèmes du canton %1 contient le barème %2 endommagé ou contradictoire : il n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>Mesi che l&apos;ultima chiusura non ha potuto conteggiare, non pagati e esclusi dai totali:</source>
        <translation>Mois que la dernière clôture n&apos;a pas pu décompter, non payés et exclus des totaux :</translation>
    </message>
    <message>
        <source>%1 non e&apos; stato pagato: l&apos;ultima chiusura del mese non ha potuto conteggiarlo.
%2

Il foglio paga si stampa quando una chiusura conteggia di nuovo il mese.</source>
        <translation>%1 n&apos;a pas été payé : la dernière clôture du mois n&apos;a pas pu le décompter.
%2

La fiche de salaire s&apos;imprime quand une clôture décompte à nouveau le mois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il %2 non e&apos; prima di oggi.</source>
        <translation>&quot;%1&quot; : le %2 n&apos;est pas antérieur à aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Dipendente modificato altrove</source>
        <translation>Employé modifié ailleurs</translation>
    </message>
    <message>
        <source>Dopo l&apos;apertura di questa scheda un&apos;altra finestra ha salvato %1. Quello che ha cambiato resta; questi campi sono stati cambiati sia li&apos; sia qui:
%2

Salvare in questi campi i valori di questa scheda?</source>
        <translation>Après l&apos;ouverture de cette fiche, une autre fenêtre a enregistré %1. Ce qu&apos;elle a changé reste ; ces champs ont été changés là-bas et ici :
%2

Enregistrer dans ces champs les valeurs de cette fiche ?</translation>
    </message>
    <message>
        <source>Salva i valori della scheda</source>
        <translation>Enregistrer les valeurs de la fiche</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>N° AVS</source>
        <translation>N° AVS</translation>
    </message>
</context>
<context>
    <name>SchedaVariabiliDipendente</name>
    <message>
        <source>Ore lavorate normali</source>
        <translation>Heures normales travaillées</translation>
    </message>
    <message>
        <source>Ore extra 25%</source>
        <translation>Heures sup. 25%</translation>
    </message>
    <message>
        <source>Ore extra 50%</source>
        <translation>Heures sup. 50%</translation>
    </message>
    <message>
        <source>Rimborso malattia (CHF)</source>
        <translation>Indemnité maladie (CHF)</translation>
    </message>
    <message>
        <source>Rimborso infortunio (CHF)</source>
        <translation>Indemnité accident (CHF)</translation>
    </message>
    <message>
        <source>Rimborso IPG (CHF)</source>
        <translation>Indemnité APG (CHF)</translation>
    </message>
    <message>
        <source>Rimborso spese (CHF)</source>
        <translation>Remboursement de frais (CHF)</translation>
    </message>
    <message>
        <source>Acconti (CHF)</source>
        <translation>Avances (CHF)</translation>
    </message>
    <message>
        <source>Rimborso prestiti (CHF)</source>
        <translation>Remboursement de prêts (CHF)</translation>
    </message>
    <message>
        <source>Trattenute UEF (CHF)</source>
        <translation>Retenues OP (CHF)</translation>
    </message>
    <message>
        <source>Vacanze prese (gg)</source>
        <translation>Vacances prises (jours)</translation>
    </message>
    <message>
        <source>Importi imponibili / straordinari (CHF)</source>
        <translation>Montants imposables / extraordinaires (CHF)</translation>
    </message>
    <message>
        <source>Importi non imponibili (CHF)</source>
        <translation>Montants non imposables (CHF)</translation>
    </message>
    <message>
        <source>Rimborso trasferte (CHF)</source>
        <translation>Remboursement des déplacements (CHF)</translation>
    </message>
    <message>
        <source>Deduzione assenze (CHF)</source>
        <translation>Déduction pour absences (CHF)</translation>
    </message>
    <message>
        <source>Rimborso assicurativo (CHF)</source>
        <translation>Remboursement d&apos;assurance (CHF)</translation>
    </message>
    <message>
        <source>13a / Gratifica (CHF)</source>
        <translation>13e / Gratification (CHF)</translation>
    </message>
    <message>
        <source>Variabili mensili dipendente - %1 %2</source>
        <translation>Variables mensuelles de l&apos;employé - %1 %2</translation>
    </message>
    <message>
        <source>Salario orario (CHF %1/h)</source>
        <translation>Salaire horaire (CHF %1/h)</translation>
    </message>
    <message>
        <source>Stipendio mensile (CHF %1/mese)</source>
        <translation>Salaire mensuel (CHF %1/mois)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contratto:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Employé :&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS :&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contrat :&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Mese da inserire:</source>
        <translation>Mois à saisir :</translation>
    </message>
    <message>
        <source>Dati variabili del mese selezionato</source>
        <translation>Données variables du mois sélectionné</translation>
    </message>
    <message>
        <source>Note / Descrizione:</source>
        <translation>Notes / Description :</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Ore fatte</source>
        <translation>Heures effectuées</translation>
    </message>
    <message>
        <source>Ore extra tot.</source>
        <translation>Heures sup. tot.</translation>
    </message>
    <message>
        <source>Rimborsi (CHF)</source>
        <translation>Remboursements (CHF)</translation>
    </message>
    <message>
        <source>Vacanze (gg)</source>
        <translation>Vacances (jours)</translation>
    </message>
    <message>
        <source>Imponibili (CHF)</source>
        <translation>Imposables (CHF)</translation>
    </message>
    <message>
        <source>Non impon. (CHF)</source>
        <translation>Non impos. (CHF)</translation>
    </message>
    <message>
        <source>13a/Gratifica</source>
        <translation>13e/Gratification</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Stampa riepilogo PDF...</source>
        <translation>Imprimer le récapitulatif en PDF...</translation>
    </message>
    <message>
        <source>Salva mese</source>
        <translation>Enregistrer le mois</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):

- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)
- Totale ore extra nell&apos;anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Attention : les heures supplémentaires saisies dépassent les limites de la loi fédérale sur le travail (art. 12 LTr) :

- Heures supplémentaires du mois : %1 h (seuil mensuel de prudence : 40 h)
- Total des heures supplémentaires de l&apos;année %2 : %3 h (limite légale : 140 h/an, ou 170 h/an pour la semaine de 45 h)

Voulez-vous tout de même enregistrer ces données à vos risques et périls ?</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>AVIS IMPORTANT - Limite légale du travail supplémentaire (art. 12 LTr)</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Enregistrer à mes risques et périls</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Annuler et corriger</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>L&apos;anno %1 e&apos; chiuso: le variabili non possono essere modificate.</source>
        <translation>L&apos;année %1 est clôturée : les variables ne peuvent pas être modifiées.</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>Impossible d&apos;enregistrer les variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Variabili di %1 %2 salvate.</source>
        <translation>Variables de %1 %2 enregistrées.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Aperçu des variables du mois</translation>
    </message>
    <message>
        <source>Ore lavorate del mese (normali e extra)</source>
        <translation>Heures travaillées du mois (normales et supplémentaires)</translation>
    </message>
</context>
<context>
    <name>StoricoPaghe</name>
    <message>
        <source>L&apos;esercizio %1 è chiuso.</source>
        <translation>L&apos;exercice %1 est clôturé.</translation>
    </message>
    <message>
        <source>Mese non valido.</source>
        <translation>Mois non valable.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Code d&apos;employé inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>Un importo del mese non è un numero valido: il mese non viene salvato.</source>
        <translation>Un montant du mois n&apos;est pas un nombre valable : le mois n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>importo non valido per %1: &quot;%2&quot;</source>
        <translation>montant non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>mese non valido: [%1]</source>
        <translation>mois non valable : [%1]</translation>
    </message>
    <message>
        <source>mese senza motivo: [%1]</source>
        <translation>mois sans motif : [%1]</translation>
    </message>
    <message>
        <source>riga non valida: %1</source>
        <translation>ligne non valide : %1</translation>
    </message>
    <message>
        <source>assegni dei figli senza cantone: [%1]</source>
        <translation>allocations des enfants sans canton : [%1]</translation>
    </message>
    <message>
        <source>cantone degli assegni senza figli</source>
        <translation>canton des allocations sans enfants</translation>
    </message>
    <message>
        <source>gli assegni dei figli (%1) non danno gli assegni familiari del mese (%2): [%3]</source>
        <translation>les allocations des enfants (%1) ne donnent pas les allocations familiales du mois (%2) : [%3]</translation>
    </message>
    <message>
        <source>cantone non valido: &quot;%1&quot;</source>
        <translation>canton non valable : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>figlio fuori sequenza: %1</source>
        <translation>enfant hors séquence : %1</translation>
    </message>
    <message>
        <source>età non valida per %1: &quot;%2&quot;</source>
        <translation>âge non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>tipo di assegno non valido per %1: &quot;%2&quot;</source>
        <translation>type d&apos;allocation non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>data di nascita non valida per %1: &quot;%2&quot;</source>
        <translation>date de naissance non valable pour %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Gli assegni dei figli del mese non sono validi: il mese non viene salvato.</source>
        <translation>Les allocations des enfants du mois ne sont pas valables : le mois n&apos;est pas enregistré.</translation>
    </message>
</context>
<context>
    <name>StoricoStipendi</name>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Code d&apos;employé inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): lo storico non viene salvato.</source>
        <translation>Valeurs non valables (%1) : l&apos;historique n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 non e&apos; un numero valido</source>
        <translation>%1 n&apos;est pas un nombre valable</translation>
    </message>
    <message>
        <source>carattere nullo</source>
        <translation>caractère nul</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non e&apos; una riga dello storico</source>
        <translation>&quot;%1&quot; n&apos;est pas une ligne de l&apos;historique</translation>
    </message>
    <message>
        <source>%1 ripetuto (gia&apos; alla riga %2)</source>
        <translation>%1 répété (déjà à la ligne %2)</translation>
    </message>
    <message>
        <source>%1 non e&apos; 0 o 1</source>
        <translation>%1 n&apos;est pas 0 ou 1</translation>
    </message>
    <message>
        <source>il periodo %1 non ha dataInizio</source>
        <translation>la période %1 n&apos;a pas de dataInizio</translation>
    </message>
    <message>
        <source>movimenti del periodo %1, che non c&apos;e&apos;</source>
        <translation>mouvements de la période %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu en entier : %2.</translation>
    </message>
</context>
<context>
    <name>VariabiliMensili</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>Le fichier %1 contient des valeurs non valables : %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso: le variabili non si possono modificare.</source>
        <translation>L&apos;exercice %1 est clôturé : les variables ne peuvent pas être modifiées.</translation>
    </message>
    <message>
        <source>Mancano dei mesi: le variabili non vengono salvate.</source>
        <translation>Des mois manquent : les variables ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>Code d&apos;employé inutilisable comme nom de fichier.</translation>
    </message>
    <message>
        <source>Valore non valido in %1/%2: le variabili non vengono salvate.</source>
        <translation>Valeur non valable en %1/%2 : les variables ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>Le fichier n&apos;est pas écrasé.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>Le fichier n&apos;est pas écrasé : corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>%1 (riga %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
</context>
</TS>
