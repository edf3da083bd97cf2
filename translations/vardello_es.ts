<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnteprimaStampa</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Guardar PDF...</translation>
    </message>
    <message>
        <source>Stampa...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Anteprima aperta nel visualizzatore PDF di sistema.</source>
        <translation>Vista previa abierta en el visor de PDF del sistema.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
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
        <translation>No se ha podido guardar el PDF:
%1</translation>
    </message>
    <message>
        <source>PDF salvato</source>
        <translation>PDF guardado</translation>
    </message>
    <message>
        <source>File salvato in:
</source>
        <translation>Archivo guardado en:
</translation>
    </message>
    <message>
        <source>Nessun visualizzatore PDF si e&apos; aperto. L&apos;anteprima e&apos; salvata in:
%1</source>
        <translation>No se ha abierto ningún visor de PDF. La vista previa está guardada en:
%1</translation>
    </message>
</context>
<context>
    <name>AssegniFamiliari</name>
    <message>
        <source>Reddito AVS sotto soglia (630 CHF/mese)</source>
        <translation>Ingreso AVS por debajo del umbral (630 CHF/mes)</translation>
    </message>
    <message>
        <source>Cantone %1 non presente in assegni_familiari.ini</source>
        <translation>Cantón %1 no presente en assegni_familiari.ini</translation>
    </message>
    <message>
        <source>%1 figli assegno, %2 figli formazione</source>
        <translation>%1 hijos con subsidio por hijo, %2 hijos con subsidio de formación</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Azienda</name>
    <message>
        <source>riga %1: mancano le righe fisse (ragione sociale, indirizzo, CAP, localita&apos;, cantone, nazione)</source>
        <translation>línea %1: faltan las líneas fijas (razón social, dirección, código postal, localidad, cantón, país)</translation>
    </message>
    <message>
        <source>riga 5: &quot;%1&quot; non e&apos; la sigla di un cantone</source>
        <translation>línea 5: &quot;%1&quot; no es la sigla de un cantón</translation>
    </message>
    <message>
        <source>riga 6: &quot;%1&quot; non e&apos; il codice di una nazione</source>
        <translation>línea 6: &quot;%1&quot; no es el código de un país</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>línea %1: carácter nulo</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot; non e&apos; una riga chiave=valore</source>
        <translation>línea %1: &quot;%2&quot; no es una línea clave=valor</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto (gia&apos; alla riga %3)</source>
        <translation>línea %1: %2 repetido (ya en la línea %3)</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; un numero valido</source>
        <translation>línea %1: %2 no es un número válido</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>línea %1: %2 no es 0 ni 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>El archivo %1 no se puede leer por completo: %2.</translation>
    </message>
    <message>
        <source>Il nome di file &quot;%1&quot; non è utilizzabile.</source>
        <translation>El nombre de archivo &quot;%1&quot; no se puede usar.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati dell&apos;azienda non vengono salvati.</source>
        <translation>Valores no válidos (%1): los datos de la empresa no se guardan.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Impossibile copiare %1.</source>
        <translation>No se ha podido copiar %1.</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella di backup.</source>
        <translation>No se ha podido crear la carpeta de copias de seguridad.</translation>
    </message>
    <message>
        <source>Impossibile completare il backup %1.</source>
        <translation>No se ha podido completar la copia de seguridad %1.</translation>
    </message>
    <message>
        <source>Backup non trovato: %1</source>
        <translation>Copia de seguridad no encontrada: %1</translation>
    </message>
    <message>
        <source>Impossibile ripristinare %1. I dati non sono stati modificati.</source>
        <translation>No se ha podido restaurar %1. Los datos no se han modificado.</translation>
    </message>
    <message>
        <source>Impossibile sostituire %1.</source>
        <translation>No se ha podido sustituir %1.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;indice del backup %1.</source>
        <translation>No se ha podido leer el índice de la copia de seguridad %1.</translation>
    </message>
    <message>
        <source>Backup di sicurezza non riuscito: %1. I dati non sono stati modificati.</source>
        <translation>La copia de seguridad preventiva ha fallado: %1. Los datos no se han modificado.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il giornale del ripristino. I dati non sono stati modificati.</source>
        <translation>No se ha podido escribir el diario de la restauración. Los datos no se han modificado.</translation>
    </message>
</context>
<context>
    <name>BloccoIndirizzo</name>
    <message>
        <source>CAP inesistente</source>
        <translation>Código postal inexistente</translation>
    </message>
    <message>
        <source>Il CAP %1 non corrisponde a nessuna localita svizzera.</source>
        <translation>El código postal %1 no corresponde a ninguna localidad suiza.</translation>
    </message>
    <message>
        <source>Citta inesistente</source>
        <translation>Ciudad inexistente</translation>
    </message>
    <message>
        <source>La localita &quot;%1&quot; non corrisponde a nessun CAP svizzero.</source>
        <translation>La localidad &quot;%1&quot; no corresponde a ningún código postal suizo.</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Cantone (sigla)</source>
        <translation>Cantón (sigla)</translation>
    </message>
    <message>
        <source>Cantone</source>
        <translation>Cantón</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>España</translation>
    </message>
</context>
<context>
    <name>CCL</name>
    <message>
        <source>CCL %1 categoria %2 non trovato in ccl_minimi.ini</source>
        <translation>CCL %1 categoría %2 no encontrado en ccl_minimi.ini</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/mese. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ATENCIÓN: salario CHF %1 inferior al mínimo del convenio colectivo (CCL) %2 (%3) = CHF %4/mes. Posible infracción del CCL. Continuar bajo su propia responsabilidad.</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>La tabella dei minimi CCL non si è letta correttamente:
%1</source>
        <translation>La tabla de mínimos del CCL no se ha leído correctamente:
%1</translation>
    </message>
    <message>
        <source>ATTENZIONE: salario CHF %1 inferiore al minimo CCL %2 (%3) = CHF %4/ora. Possibile violazione CCL. Procedere a proprio rischio.</source>
        <translation>ATENCIÓN: salario CHF %1 inferior al mínimo del convenio colectivo (CCL) %2 (%3) = CHF %4/hora. Posible infracción del CCL. Continuar bajo su propia responsabilidad.</translation>
    </message>
</context>
<context>
    <name>CampiInfortuni</name>
    <message>
        <source>Assicurazione infortuni (LAINF)</source>
        <translation>Seguro de accidentes (LAINF)</translation>
    </message>
    <message>
        <source>Premio infortuni professionali (‰)</source>
        <translation>Prima de accidentes profesionales (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, uomini (‰)</source>
        <translation>Prima de accidentes no profesionales, hombres (‰)</translation>
    </message>
    <message>
        <source>Premio infortuni non professionali, donne (‰)</source>
        <translation>Prima de accidentes no profesionales, mujeres (‰)</translation>
    </message>
    <message>
        <source>Massimale annuo (CHF)</source>
        <translation>Tope anual (CHF)</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; non e&apos; un numero valido.</source>
        <translation>El valor &quot;%1&quot; en &quot;%2&quot; no es un número válido.</translation>
    </message>
    <message>
        <source>Il valore in &quot;%1&quot; deve essere tra 0 e %2.</source>
        <translation>El valor en &quot;%1&quot; debe estar entre 0 y %2.</translation>
    </message>
</context>
<context>
    <name>CampiMovimento</name>
    <message>
        <source>Un campo senza nome non puo&apos; essere salvato.</source>
        <translation>Un campo sin nombre no se puede guardar.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; non puo&apos; contenere &quot;/&quot; o &quot;\&quot;.</source>
        <translation>El nombre &quot;%1&quot; no puede contener &quot;/&quot; ni &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Il nome &quot;%1&quot; compare piu&apos; volte.</source>
        <translation>El nombre &quot;%1&quot; aparece varias veces.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1.</source>
        <translation>No se ha podido escribir %1.</translation>
    </message>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>valor no válido para %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Il file %1 non si è letto correttamente e non viene sovrascritto:
%2</source>
        <translation>El archivo %1 no se ha leído correctamente y no se sobrescribe:
%2</translation>
    </message>
</context>
<context>
    <name>CampoData</name>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>dd/mm/aaaa</translation>
    </message>
</context>
<context>
    <name>Certificato</name>
    <message>
        <source>ID dipendente: </source>
        <translation>ID del empleado: </translation>
    </message>
    <message>
        <source>Anno: </source>
        <translation>Año: </translation>
    </message>
    <message>
        <source>
Osservazioni:
</source>
        <translation>
Observaciones:
</translation>
    </message>
    <message>
        <source>Importi stimati (stima): nessun mese dell&apos;anno e&apos; salvato nello storico paghe.</source>
        <translation>Importes estimados (estimación): ningún mes del año está guardado en el historial de nóminas.</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):     %1 CHF
</source>
        <translation>Casilla 1 (bruto):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie):%1 CHF
</source>
        <translation>Casilla 2 (accesorias):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari):%1 CHF
</source>
        <translation>Casilla 3 (irregulares): %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):    %1 CHF
</source>
        <translation>Casilla 8 (total):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi):%1 CHF
</source>
        <translation>Casilla 9 (cotizaciones):%1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):    %1 CHF
</source>
        <translation>Casilla 10.1 (LPP):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):    %1 CHF
</source>
        <translation>Casilla 10.2 (LPP):      %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):    %1 CHF
</source>
        <translation>Casilla 11 (neto):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):  %1 CHF
</source>
        <translation>Casilla 12 (impuesto):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 1 (lordo):      %1 CHF
</source>
        <translation>Casilla 1 (bruto):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 2 (accessorie): %1 CHF
</source>
        <translation>Casilla 2 (accesorias):   %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 3 (irregolari): %1 CHF
</source>
        <translation>Casilla 3 (irregulares):  %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 8 (totale):     %1 CHF
</source>
        <translation>Casilla 8 (total):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 9 (contributi): %1 CHF
</source>
        <translation>Casilla 9 (cotizaciones): %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.1 (LPP):     %1 CHF
</source>
        <translation>Casilla 10.1 (LPP):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 10.2 (LPP):     %1 CHF
</source>
        <translation>Casilla 10.2 (LPP):       %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 11 (netto):     %1 CHF
</source>
        <translation>Casilla 11 (neto):        %1 CHF
</translation>
    </message>
    <message>
        <source>Cifra 12 (imposta):   %1 CHF
</source>
        <translation>Casilla 12 (impuesto):    %1 CHF
</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Empleado:   </translation>
    </message>
    <message>
        <source>Salario mensile lordo: %1 CHF
</source>
        <translation>Salario mensual bruto: %1 CHF
</translation>
    </message>
    <message>
        <source>Salario annuo lordo: %1 CHF
</source>
        <translation>Salario anual bruto: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi dipendente: %1 CHF
</source>
        <translation>Cotizaciones del empleado: %1 CHF
</translation>
    </message>
    <message>
        <source>Contributi datore: %1 CHF
</source>
        <translation>Cotizaciones del empleador: %1 CHF
</translation>
    </message>
    <message>
        <source>LPP annuo: %1 CHF
</source>
        <translation>LPP anual: %1 CHF
</translation>
    </message>
    <message>
        <source>Imposta fonte annua: %1 CHF
</source>
        <translation>Impuesto en la fuente anual: %1 CHF
</translation>
    </message>
    <message>
        <source>Netto annuo: %1 CHF
</source>
        <translation>Neto anual: %1 CHF
</translation>
    </message>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>clave desconocida: %1</translation>
    </message>
    <message>
        <source>Nel file %1 mancano le chiavi: %2.</source>
        <translation>En el archivo %1 faltan las claves: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: il certificato non può essere scritto.</source>
        <translation>El ejercicio %1 está cerrado y bloqueado: el certificado no se puede escribir.</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnuale</name>
    <message>
        <source>Anno non valido.</source>
        <translation>Año no válido.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 risulta già chiuso.</source>
        <translation>El ejercicio %1 ya está cerrado.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di chiusura esercizio.</source>
        <translation>No se ha podido escribir el archivo de cierre del ejercicio.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è già aperto.</source>
        <translation>El ejercicio %1 ya está abierto.</translation>
    </message>
    <message>
        <source>Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit.</source>
        <translation>Introduzca una justificación detallada (al menos 5 caracteres) para el registro de auditoría.</translation>
    </message>
    <message>
        <source>Impossibile aggiornare il file di stato dell&apos;esercizio.</source>
        <translation>No se ha podido actualizar el archivo de estado del ejercicio.</translation>
    </message>
    <message>
        <source>Il file di stato dell&apos;esercizio %1 non si legge correttamente: l&apos;esercizio resta bloccato finché il file non è corretto.
%2</source>
        <translation>El archivo de estado del ejercicio %1 no se lee correctamente: el ejercicio permanece bloqueado hasta que se corrija el archivo.
%2</translation>
    </message>
    <message>
        <source>valore non valido per chiuso: &quot;%1&quot;</source>
        <translation>valor no válido para chiuso: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per anno: &quot;%1&quot;</source>
        <translation>valor no válido para anno: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>valore non valido per fileSigillati: &quot;%1&quot;</source>
        <translation>valor no válido para fileSigillati: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>chiave sconosciuta: %1</source>
        <translation>clave desconocida: %1</translation>
    </message>
    <message>
        <source>Nel file %1 manca la riga &quot;chiuso&quot;.</source>
        <translation>En el archivo %1 falta la línea &quot;chiuso&quot;.</translation>
    </message>
    <message>
        <source>valore non valido per rifiutiSigillati: &quot;%1&quot;</source>
        <translation>valor no válido para rifiutiSigillati: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ChiusuraAnnualeDialog</name>
    <message>
        <source>Chiusura esercizio / Blocco annuale</source>
        <translation>Cierre del ejercicio / Bloqueo anual</translation>
    </message>
    <message>
        <source>La chiusura dell&apos;esercizio sigilla le buste paga, le variabili mensili e le aliquote dell&apos;anno selezionato con impronta crittografica SHA-256, impedendo modifiche retroattive. La consultazione e la stampa di cedolini, certificati di salario e riepiloghi restano sempre disponibili.</source>
        <translation>El cierre del ejercicio sella las nóminas, las variables mensuales y los tipos de cotización del año seleccionado con una huella criptográfica SHA-256, impidiendo modificaciones retroactivas. La consulta y la impresión de nóminas, certificados de salario y resúmenes siguen estando siempre disponibles.</translation>
    </message>
    <message>
        <source>Es. Chiusura definitiva post-revisione e invio certificati di salario</source>
        <translation>P. ej. Cierre definitivo tras la revisión y el envío de los certificados de salario</translation>
    </message>
    <message>
        <source>Stato e sigillo dell&apos;esercizio contabile</source>
        <translation>Estado y sello del ejercicio contable</translation>
    </message>
    <message>
        <source>Esercizio (Anno):</source>
        <translation>Ejercicio (año):</translation>
    </message>
    <message>
        <source>Stato attuale:</source>
        <translation>Estado actual:</translation>
    </message>
    <message>
        <source>Verifica integrità:</source>
        <translation>Verificación de integridad:</translation>
    </message>
    <message>
        <source>Dettagli sigillo:</source>
        <translation>Detalles del sello:</translation>
    </message>
    <message>
        <source>Note di chiusura:</source>
        <translation>Notas de cierre:</translation>
    </message>
    <message>
        <source>Chiudi e blocca esercizio</source>
        <translation>Cerrar y bloquear el ejercicio</translation>
    </message>
    <message>
        <source>Sblocco straordinario...</source>
        <translation>Desbloqueo extraordinario...</translation>
    </message>
    <message>
        <source>Chiudi finestra</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Registro storico chiusure e sblocchi (Audit Log):</source>
        <translation>Registro histórico de cierres y desbloqueos (registro de auditoría):</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;CHIUSO E BLOCCATO (Sola lettura)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;CERRADO Y BLOQUEADO (solo lectura)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRITÀ VERIFICATA (SHA-256 corrispondente)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;INTEGRIDAD VERIFICADA (SHA-256 coincidente)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;ATTENZIONE: I file su disco differiscono dall&apos;impronta sigillata!&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;ATENCIÓN: ¡los archivos en disco difieren de la huella sellada!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Chiuso il: %1 | Operatore: %2 | File sigillati: %3
SHA-256: %4</source>
        <translation>Cerrado el: %1 | Operador: %2 | Archivos sellados: %3
SHA-256: %4</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#1B5E20;&apos;&gt;APERTO (Modificabile)&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#1B5E20;&apos;&gt;ABIERTO (modificable)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Esercizio in corso (%1 file annuali rilevati).</source>
        <translation>Ejercicio en curso (%1 archivos anuales detectados).</translation>
    </message>
    <message>
        <source>Impronta attuale non sigillata:
SHA-256: %1</source>
        <translation>Huella actual no sellada:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Nessuna operazione registrata finora.</source>
        <translation>Ninguna operación registrada hasta ahora.</translation>
    </message>
    <message>
        <source>Conferma chiusura esercizio %1</source>
        <translation>Confirmar cierre del ejercicio %1</translation>
    </message>
    <message>
        <source>Vuoi davvero chiudere e bloccare definitivamente l&apos;esercizio %1?

Dopo la chiusura non sarà più possibile modificare buste paga, variabili mensili o aliquote per l&apos;anno %1.</source>
        <translation>¿Desea realmente cerrar y bloquear definitivamente el ejercicio %1?

Tras el cierre ya no será posible modificar nóminas, variables mensuales ni tipos de cotización del año %1.</translation>
    </message>
    <message>
        <source>Errore chiusura</source>
        <translation>Error de cierre</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Ejercicio cerrado</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato chiuso e sigillato con successo.</source>
        <translation>El ejercicio %1 se ha cerrado y sellado correctamente.</translation>
    </message>
    <message>
        <source>Sblocco straordinario esercizio %1</source>
        <translation>Desbloqueo extraordinario del ejercicio %1</translation>
    </message>
    <message>
        <source>La riapertura verrà registrata in modo permanente nel registro di audit.
Inserisci la motivazione obbligatoria:</source>
        <translation>La reapertura quedará registrada de forma permanente en el registro de auditoría.
Introduzca la justificación obligatoria:</translation>
    </message>
    <message>
        <source>Sblocco non consentito</source>
        <translation>Desbloqueo no permitido</translation>
    </message>
    <message>
        <source>Esercizio riaperto</source>
        <translation>Ejercicio reabierto</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è stato riaperto e registrato nel log.</source>
        <translation>El ejercicio %1 se ha reabierto y se ha anotado en el registro.</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:#B00020;&apos;&gt;FILE DI STATO DANNEGGIATO: esercizio bloccato&lt;/b&gt;</source>
        <translation>&lt;b style=&apos;color:#B00020;&apos;&gt;ARCHIVO DE ESTADO DAÑADO: ejercicio bloqueado&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Impronta attuale:
SHA-256: %1</source>
        <translation>Huella actual:
SHA-256: %1</translation>
    </message>
    <message>
        <source>Il sigillo e il blocco valgono per tutte le aziende della cartella dati. Saranno sigillati i file dell&apos;anno %1 di: %2.</source>
        <translation>El sello y el bloqueo se aplican a todas las empresas de la carpeta de datos. Se sellarán los archivos del año %1 de: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChiusuraMensile</name>
    <message>
        <source>Chiusura mensile</source>
        <translation>Cierre mensual</translation>
    </message>
    <message>
        <source>Includi 13a automatica a dicembre (e 14a a giugno)</source>
        <translation>Incluir la 13.ª paga automática en diciembre (y la 14.ª en junio)</translation>
    </message>
    <message>
        <source>Calcola anteprima</source>
        <translation>Calcular vista previa</translation>
    </message>
    <message>
        <source>Genera tutti e salva</source>
        <translation>Generar todas y guardar</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Seleccionar todos</translation>
    </message>
    <message>
        <source>Liquida 13a/14a pro-rata a dipendente...</source>
        <translation>Liquidar 13.ª/14.ª paga prorrata al empleado...</translation>
    </message>
    <message>
        <source>Salva selezionati</source>
        <translation>Guardar seleccionados</translation>
    </message>
    <message>
        <source>Genera file banca</source>
        <translation>Generar archivo bancario</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Número AVS</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Empleado</translation>
    </message>
    <message>
        <source>Lordo contrib.</source>
        <translation>Bruto cotiz.</translation>
    </message>
    <message>
        <source>Lordo fiscale</source>
        <translation>Bruto fiscal</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Cotizaciones</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Assegni</source>
        <translation>Subsidios</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Es. Buone feste a tutti</source>
        <translation>P. ej. Felices fiestas a todos</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Comunicazioni (opzionale, per tutti):</source>
        <translation>Comunicaciones (opcional, para todos):</translation>
    </message>
    <message>
        <source> (senza conteggio)</source>
        <translation> (sin nómina)</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Imposta alla fonte</source>
        <translation>Impuesto en la fuente</translation>
    </message>
    <message>
        <source>Esercizio chiuso</source>
        <translation>Ejercicio cerrado</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile generare o sovrascrivere cedolini.</source>
        <translation>El ejercicio %1 está cerrado y bloqueado: no es posible generar ni sobrescribir nóminas.</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati, nessun errore.</source>
        <translation>Cierre completado: %1 nóminas generadas, ningún error.</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Empleado:</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Lordo contributivo:</source>
        <translation>Bruto sujeto a cotización:</translation>
    </message>
    <message>
        <source>Lordo imponibile:</source>
        <translation>Bruto imponible:</translation>
    </message>
    <message>
        <source>Contributi dip.:</source>
        <translation>Cotizaciones empl.:</translation>
    </message>
    <message>
        <source>LPP dip.:</source>
        <translation>LPP empl.:</translation>
    </message>
    <message>
        <source>Assegni familiari:</source>
        <translation>Subsidios familiares:</translation>
    </message>
    <message>
        <source>Imposta (conguagl.):</source>
        <translation>Impuesto (regulariz.):</translation>
    </message>
    <message>
        <source>Netto:</source>
        <translation>Neto:</translation>
    </message>
    <message>
        <source>Modalita pagamento:</source>
        <translation>Forma de pago:</translation>
    </message>
    <message>
        <source>IBAN:</source>
        <translation>IBAN:</translation>
    </message>
    <message>
        <source>Intestatario:</source>
        <translation>Titular:</translation>
    </message>
    <message>
        <source>Banca:</source>
        <translation>Banco:</translation>
    </message>
    <message>
        <source>BIC/SWIFT:</source>
        <translation>BIC/SWIFT:</translation>
    </message>
    <message>
        <source>contanti</source>
        <translation>efectivo</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>

Vuoi salvare questo conteggio salario in PDF?</source>
        <translation>

¿Desea guardar esta nómina en PDF?</translation>
    </message>
    <message>
        <source>Salva conteggio salario PDF</source>
        <translation>Guardar nómina en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Conteggio salario</source>
        <translation>Nómina</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>PDF salvato:
</source>
        <translation>PDF guardado:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>No se ha podido guardar el PDF.</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deseleccionar todos</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso e bloccato: non è possibile liquidare la 13a/14a.</source>
        <translation>El ejercicio %1 está cerrado y bloqueado: no es posible liquidar la 13.ª/14.ª paga.</translation>
    </message>
    <message>
        <source>Liquidazione 13a/14a</source>
        <translation>Liquidación 13.ª/14.ª</translation>
    </message>
    <message>
        <source>Importo 13a/14a per %1 %2 (%3/%4, %5 mesi):</source>
        <translation>Importe 13.ª/14.ª para %1 %2 (%3/%4, %5 meses):</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili mensili.</source>
        <translation>No se han podido guardar las variables mensuales.</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Ninguna selección</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente con la casella.</source>
        <translation>Seleccione al menos un empleado con la casilla.</translation>
    </message>
    <message>
        <source>Scegli una cartella (il nome file verra&apos; ignorato)</source>
        <translation>Elija una carpeta (el nombre de archivo se ignorará)</translation>
    </message>
    <message>
        <source>Stampa completata</source>
        <translation>Impresión completada</translation>
    </message>
    <message>
        <source>PDF generati: %1</source>
        <translation>PDF generados: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1 PDF in:
%2</source>
        <translation>No se han podido escribir %1 PDF en:
%2</translation>
    </message>
    <message>
        <source>Seleziona almeno un dipendente.</source>
        <translation>Seleccione al menos un empleado.</translation>
    </message>
    <message>
        <source>Dati azienda mancanti</source>
        <translation>Faltan datos de la empresa</translation>
    </message>
    <message>
        <source>Configura IBAN e BIC dell&apos;azienda.</source>
        <translation>Configure el IBAN y el BIC de la empresa.</translation>
    </message>
    <message>
        <source>Nessun pagamento</source>
        <translation>Ningún pago</translation>
    </message>
    <message>
        <source>Nessun dipendente selezionato ha netto ed IBAN validi.</source>
        <translation>Ningún empleado seleccionado tiene un neto y un IBAN válidos.</translation>
    </message>
    <message>
        <source>File banca non generato</source>
        <translation>Archivo bancario no generado</translation>
    </message>
    <message>
        <source>La banca rifiuterebbe il file:</source>
        <translation>El banco rechazaría el archivo:</translation>
    </message>
    <message>
        <source>Salva file banca (pain.001)</source>
        <translation>Guardar archivo bancario (pain.001)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>File generato con %1 pagamenti.</source>
        <translation>Archivo generado con %1 pagos.</translation>
    </message>
    <message>
        <source>Salvataggio fallito.</source>
        <translation>Error al guardar.</translation>
    </message>
    <message>
        <source>Salario imponibile</source>
        <translation>Salario imponible</translation>
    </message>
    <message>
        <source>Assegni familiari</source>
        <translation>Subsidios familiares</translation>
    </message>
    <message>
        <source>AVS-AI-IPG</source>
        <translation>AVS-AI-IPG</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Infortuni non professionali</source>
        <translation>Accidentes no profesionales</translation>
    </message>
    <message>
        <source>Cassa pensione (LPP)</source>
        <translation>Caja de pensiones (LPP)</translation>
    </message>
    <message>
        <source>Imposte alla fonte</source>
        <translation>Impuestos en la fuente</translation>
    </message>
    <message>
        <source>banca</source>
        <translation>banco</translation>
    </message>
    <message>
        <source>posta</source>
        <translation>Correos</translation>
    </message>
    <message>
        <source>Non pagati con questo file:</source>
        <translation>No pagados con este archivo:</translation>
    </message>
    <message>
        <source>Altre voci imponibili</source>
        <translation>Otros conceptos imponibles</translation>
    </message>
    <message>
        <source>Cassa assegni familiari (CAF)</source>
        <translation>Caja de compensación familiar (CAF)</translation>
    </message>
    <message>
        <source>Arrotondamento</source>
        <translation>Redondeo</translation>
    </message>
    <message>
        <source>nessun conteggio salvato per il mese</source>
        <translation>ninguna nómina guardada para el mes</translation>
    </message>
    <message>
        <source>netto non positivo</source>
        <translation>neto no positivo</translation>
    </message>
    <message>
        <source>pagato in contanti</source>
        <translation>pagado en efectivo</translation>
    </message>
    <message>
        <source>IBAN mancante</source>
        <translation>falta el IBAN</translation>
    </message>
    <message>
        <source>IBAN non valido (%1)</source>
        <translation>IBAN no válido (%1)</translation>
    </message>
    <message>
        <source>la scheda del dipendente non si puo&apos; leggere</source>
        <translation>no se puede leer la ficha del empleado</translation>
    </message>
    <message>
        <source>Imposta alla fonte:</source>
        <translation>Impuesto en la fuente:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File esistente</source>
        <translation>Archivo existente</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;.
Sostituirlo?</source>
        <translation>El archivo %1 ya existe.
¿Sustituirlo?</translation>
    </message>
    <message>
        <source>File esistenti lasciati come erano: %1</source>
        <translation>Archivos existentes dejados como estaban: %1</translation>
    </message>
    <message>
        <source>Mancano le tabelle dell&apos;imposta alla fonte per:
%1

Il programma cerca i file tar*.txt in:
%2

Per questi dipendenti l&apos;imposta risulta 0 e &quot;Genera tutti e salva&quot; non salva il loro mese.</source>
        <translation>Faltan las tablas del impuesto en la fuente para:
%1

El programa busca los archivos tar*.txt en:
%2

Para estos empleados el impuesto resulta 0 y &quot;Generar todas y guardar&quot; no guarda su mes.</translation>
    </message>
    <message>
        <source>13a/14a dovute pro rata e non pagate a chi lascia l&apos;azienda (&quot;Liquida 13a/14a pro-rata a dipendente...&quot; o 13a automatica):</source>
        <translation>13.ª/14.ª paga debida prorrata y no pagada a quien deja la empresa (&quot;Liquidar 13.ª/14.ª paga prorrata al empleado...&quot; o 13.ª automática):</translation>
    </message>
    <message>
        <source>Chiusura completata: %1 conteggi generati.</source>
        <translation>Cierre completado: %1 nóminas generadas.</translation>
    </message>
    <message>
        <source>Senza cedolino:</source>
        <translation>Sin nómina:</translation>
    </message>
    <message>
        <source>Senza conteggio:</source>
        <translation>Sin cálculo:</translation>
    </message>
    <message>
        <source>l&apos;esito del conteggio non si puo&apos; registrare: %1</source>
        <translation>el resultado del cálculo no se puede registrar: %1</translation>
    </message>
    <message>
        <source>lo storico paghe non si legge correttamente: %1</source>
        <translation>el historial de nóminas no se lee correctamente: %1</translation>
    </message>
    <message>
        <source>Fuori periodo di rapporto: il mese salvato prima non rientra più in nessun periodo di rapporto della scheda e non viene pagato</source>
        <translation>Fuera del período de empleo: el mes guardado antes ya no está en ningún período de empleo de la ficha y no se paga</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 %3 non si legge correttamente: nessuna liquidazione viene registrata. Correggi il file e riprova.</source>
        <translation>El historial de pagas %1 de %2 %3 no se lee correctamente: no se registra ninguna liquidación. Corrige el archivo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>i rifiuti dell&apos;ultima chiusura non si leggono correttamente: %1</source>
        <translation>los rechazos del último cierre no se leen correctamente: %1</translation>
    </message>
    <message>
        <source>Chiusura completata con errori:
%1 conteggi generati
%2 conteggi NON generati.

Dipendenti senza conteggio, con il motivo:</source>
        <translation>Cierre completado con errores:
%1 nóminas generadas
%2 nóminas NO generadas.

Empleados sin nómina, con el motivo:</translation>
    </message>
    <message>
        <source>Scegli il dipendente a cui liquidare la 13a/14a pro rata:</source>
        <translation>Elija el empleado al que liquidar la 13.ª/14.ª paga prorrata:</translation>
    </message>
    <message>
        <source>Movimenti non pagati</source>
        <translation>Movimientos no pagados</translation>
    </message>
    <message>
        <source>Movimenti datati in %1, mese gia&apos; salvato, che il mese salvato non paga: &quot;Genera tutti e salva&quot; conteggia di nuovo il mese e li paga.</source>
        <translation>Movimientos fechados en %1, mes ya guardado, que el mes guardado no paga: &quot;Generar todas y guardar&quot; vuelve a liquidar el mes y los paga.</translation>
    </message>
    <message>
        <source>%1 %2 è pagato a ore: la 13a mensilità (8.33%) è pagata ogni mese con le ore e il conteggio orario non paga una liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 cobra por horas: la 13.ª paga (8.33%) se paga cada mes con las horas y la nómina por horas no paga una liquidación. Ningún importe registrado.</translation>
    </message>
    <message>
        <source>%1 %2 non è in servizio nel mese %3/%4: il mese non viene conteggiato e non pagherebbe la liquidazione. Nessun importo registrato.</source>
        <translation>%1 %2 no está en servicio en el mes %3/%4: el mes no se calcula y no pagaría la liquidación. Ningún importe registrado.</translation>
    </message>
</context>
<context>
    <name>ConteggioSalario</name>
    <message>
        <source>Fuori periodo di rapporto</source>
        <translation>Fuera del período de relación laboral</translation>
    </message>
    <message>
        <source>Mese non valido</source>
        <translation>Mes no válido</translation>
    </message>
    <message>
        <source>Impossibile salvare lo storico paghe</source>
        <translation>No se ha podido guardar el historial de nóminas</translation>
    </message>
    <message>
        <source>Salario orario (%1 h x %2)</source>
        <translation>Salario por hora (%1 h x %2)</translation>
    </message>
    <message>
        <source>Ore straordinarie 25% (%1 h)</source>
        <translation>Horas extraordinarias 25% (%1 h)</translation>
    </message>
    <message>
        <source>Ore straordinarie 50% (%1 h)</source>
        <translation>Horas extraordinarias 50% (%1 h)</translation>
    </message>
    <message>
        <source>13a mensilità (8.33%)</source>
        <translation>13.ª paga (8.33%)</translation>
    </message>
    <message>
        <source>Indennità vacanze</source>
        <translation>Indemnización por vacaciones</translation>
    </message>
    <message>
        <source>Indennità giorni festivi (2.27%)</source>
        <translation>Indemnización por días festivos (2.27%)</translation>
    </message>
    <message>
        <source>Indennità malattia</source>
        <translation>Indemnización por enfermedad</translation>
    </message>
    <message>
        <source>Indennità infortunio</source>
        <translation>Indemnización por accidente</translation>
    </message>
    <message>
        <source>Indennità IPG</source>
        <translation>Indemnización IPG</translation>
    </message>
    <message>
        <source>Rimborso spese</source>
        <translation>Reembolso de gastos</translation>
    </message>
    <message>
        <source>Acconto</source>
        <translation>Anticipo</translation>
    </message>
    <message>
        <source>Rimborso prestito</source>
        <translation>Reembolso de préstamo</translation>
    </message>
    <message>
        <source>Trattenuta UEF</source>
        <translation>Retención UEF</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salario mensual</translation>
    </message>
    <message>
        <source>14a mensilità</source>
        <translation>14.ª paga</translation>
    </message>
    <message>
        <source>13a mensilità</source>
        <translation>13.ª paga</translation>
    </message>
    <message>
        <source>13a / 14a / gratifica</source>
        <translation>13.ª / 14.ª / gratificación</translation>
    </message>
    <message>
        <source>Importi imponibili</source>
        <translation>Importes imponibles</translation>
    </message>
    <message>
        <source>Deduzione assenze</source>
        <translation>Deducción por ausencias</translation>
    </message>
    <message>
        <source>Rimborso assicurativo</source>
        <translation>Reembolso de seguros</translation>
    </message>
    <message>
        <source>Importi non imponibili</source>
        <translation>Importes no imponibles</translation>
    </message>
    <message>
        <source>Rimborso trasferte</source>
        <translation>Reembolso de desplazamientos</translation>
    </message>
    <message>
        <source>Movimento</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Parametri dell&apos;anno %1 non validi: %2</source>
        <translation>Parámetros del año %1 no válidos: %2</translation>
    </message>
    <message>
        <source>Il conteggio dà un importo non valido: controllare i dati del dipendente</source>
        <translation>La nómina da un importe no válido: compruebe los datos del empleado</translation>
    </message>
    <message>
        <source>Salario mensile (%1/30)</source>
        <translation>Salario mensual (%1/30)</translation>
    </message>
    <message>
        <source>13a mensilità pro rata</source>
        <translation>13.ª paga prorrata</translation>
    </message>
    <message>
        <source>13a/14a mensilità pro rata</source>
        <translation>13.ª/14.ª paga prorrata</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: mancano le tabelle del cantone %1 (file tar*.txt cercati in %2)</source>
        <translation>Impuesto en la fuente no calculable: faltan las tablas del cantón %1 (archivos tar*.txt buscados en %2)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: la tariffa %1 non si trova nelle tabelle del cantone %2 (file tar*.txt cercati in %3)</source>
        <translation>Impuesto en la fuente no calculable: la tarifa %1 no está en las tablas del cantón %2 (archivos tar*.txt buscados en %3)</translation>
    </message>
    <message>
        <source>Imposta alla fonte non calcolabile: il file delle tariffe del cantone %2 contiene la tariffa %1 danneggiata o in contraddizione con se stessa, che non viene usata (file tar*.txt cercati in %3)</source>
        <translation>Impuesto en la fuente no calculable: el archivo de tarifas del cantón %2 contiene la tarifa %1 dañada o contradictoria, que no se usa (archivos tar*.txt buscados en %3)</translation>
    </message>
</context>
<context>
    <name>CsvDipendenti</name>
    <message>
        <source>Esporta CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV guardado en:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il CSV.</source>
        <translation>No se ha podido guardar el CSV.</translation>
    </message>
    <message>
        <source>Importa CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Importato</source>
        <translation>Importado</translation>
    </message>
    <message>
        <source>Importati: %1
Saltati: %2</source>
        <translation>Importados: %1
Omitidos: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il CSV.</source>
        <translation>No se ha podido leer el CSV.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>carattere non ammesso (NUL o di controllo)</source>
        <translation>carácter no admitido (NUL o de control)</translation>
    </message>
    <message>
        <source>%1 campi invece di 15</source>
        <translation>%1 campos en lugar de 15</translation>
    </message>
    <message>
        <source>cognome mancante</source>
        <translation>falta el apellido</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; non valida</source>
        <translation>fecha de nacimiento &quot;%1&quot; no válida</translation>
    </message>
    <message>
        <source>sesso &quot;%1&quot; non valido (M o F)</source>
        <translation>sexo &quot;%1&quot; no válido (M o F)</translation>
    </message>
    <message>
        <source>numero AVS &quot;%1&quot; non valido</source>
        <translation>número AVS &quot;%1&quot; no válido</translation>
    </message>
    <message>
        <source>data di assunzione &quot;%1&quot; non valida</source>
        <translation>fecha de contratación &quot;%1&quot; no válida</translation>
    </message>
    <message>
        <source>mensilita aggiuntive &quot;%1&quot; non valide (da 0 a 2)</source>
        <translation>pagas adicionales &quot;%1&quot; no válidas (de 0 a 2)</translation>
    </message>
    <message>
        <source>%1 %2 gia&apos; presente nell&apos;azienda</source>
        <translation>%1 %2 ya existe en la empresa</translation>
    </message>
    <message>
        <source>salvataggio non riuscito</source>
        <translation>no se ha podido guardar</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Non esportati (file non leggibile):
</source>
        <translation>No exportados (archivo no legible):
</translation>
    </message>
    <message>
        <source>Righe saltate di %1:</source>
        <translation>Líneas omitidas de %1:</translation>
    </message>
    <message>
        <source>data di nascita &quot;%1&quot; dopo oggi</source>
        <translation>fecha de nacimiento &quot;%1&quot; posterior a hoy</translation>
    </message>
    <message>
        <source>non e&apos; l&apos;intestazione delle colonne (%1)</source>
        <translation>no es la cabecera de las columnas (%1)</translation>
    </message>
</context>
<context>
    <name>Datoteca</name>
    <message>
        <source>valore non valido per %1/%2: &quot;%3&quot;</source>
        <translation>valor no válido para %1/%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>fascia d&apos;età non valida: %1</source>
        <translation>franja de edad no válida: %1</translation>
    </message>
</context>
<context>
    <name>DialogAmministrativi</name>
    <message>
        <source>Dati amministrativi</source>
        <translation>Datos administrativos</translation>
    </message>
    <message>
        <source>Professione</source>
        <translation>Profesión</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Estado civil desde</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Attività principale/secondaria</source>
        <translation>Actividad principal/secundaria</translation>
    </message>
    <message>
        <source>Altri datori di lavoro</source>
        <translation>Otros empleadores</translation>
    </message>
    <message>
        <source>Prestazioni AI/AD/INF</source>
        <translation>Prestaciones AI/AD/INF</translation>
    </message>
    <message>
        <source>Attività indipendente</source>
        <translation>Actividad por cuenta propia</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DialogAnno</name>
    <message>
        <source>Scegli l&apos;anno da stampare:</source>
        <translation>Elija el año que desea imprimir:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DialogFigli</name>
    <message>
        <source>Figli</source>
        <translation>Hijos</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data nascita</source>
        <translation>Fecha nacimiento</translation>
    </message>
    <message>
        <source>Parentela</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Studi</source>
        <translation>Estudios</translation>
    </message>
    <message>
        <source>Convive</source>
        <translation>Convive</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nuovo figlio</source>
        <translation>Nuevo hijo</translation>
    </message>
    <message>
        <source>Modifica figlio</source>
        <translation>Modificar hijo</translation>
    </message>
    <message>
        <source>Vive con il dipendente</source>
        <translation>Vive con el empleado</translation>
    </message>
    <message>
        <source>Agli studi / formazione</source>
        <translation>En estudios / formación</translation>
    </message>
    <message>
        <source>Incapacità al guadagno</source>
        <translation>Incapacidad de ganancia</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Seleziona prima un figlio nella tabella.</source>
        <translation>Seleccione primero un hijo en la tabla.</translation>
    </message>
    <message>
        <source>Eliminare questo figlio?</source>
        <translation>¿Eliminar este hijo?</translation>
    </message>
    <message>
        <source>F (Figlio)</source>
        <translation>F (Hijo)</translation>
    </message>
    <message>
        <source>FC (Figlio del coniuge)</source>
        <translation>FC (Hijo del cónyuge)</translation>
    </message>
    <message>
        <source>F/S (Fratello/Sorella)</source>
        <translation>F/S (Hermano/Hermana)</translation>
    </message>
    <message>
        <source>A (Abiatico)</source>
        <translation>A (Nieto)</translation>
    </message>
</context>
<context>
    <name>DialogParametriCritici</name>
    <message>
        <source>AVS/AI/IPG</source>
        <translation>AVS/AI/IPG</translation>
    </message>
    <message>
        <source>Aliquota dipendente (%)</source>
        <translation>Tipo empleado (%)</translation>
    </message>
    <message>
        <source>Aliquota datore (%)</source>
        <translation>Tipo empleador (%)</translation>
    </message>
    <message>
        <source>Assicurazione disoccupazione</source>
        <translation>Seguro de desempleo (AD)</translation>
    </message>
    <message>
        <source>Massimale (CHF)</source>
        <translation>Tope (CHF)</translation>
    </message>
    <message>
        <source>Contributo famiglie</source>
        <translation>Caja de compensación familiar (CAF)</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Soglia entrata (CHF)</source>
        <translation>Umbral de entrada (CHF)</translation>
    </message>
    <message>
        <source>Deduzione coordinamento (CHF)</source>
        <translation>Deducción de coordinación (CHF)</translation>
    </message>
    <message>
        <source>Salario massimo (CHF)</source>
        <translation>Salario máximo (CHF)</translation>
    </message>
    <message>
        <source>IGM</source>
        <translation>Ganancia máxima asegurada</translation>
    </message>
    <message>
        <source>Guadagno massimo (CHF)</source>
        <translation>Ganancia máxima (CHF)</translation>
    </message>
    <message>
        <source>Parametri annuali AVS / SUVA / LPP</source>
        <translation>Parámetros anuales AVS / SUVA / LPP</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Attenzione: si sta accedendo alla modifica di dati importantissimi.
Chiudendo questo messaggio si accetta di essere responsabili per
quanto si modifichera&apos;.</source>
        <translation>Atención: está accediendo a la modificación de datos muy importantes.
Al cerrar este mensaje acepta ser responsable de
lo que modifique.</translation>
    </message>
    <message>
        <source>Anno tabella parametri:</source>
        <translation>Año de la tabla de parámetros:</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?</source>
        <translation>Está a punto de sobrescribir los parámetros AVS/SUVA/LPP. ¿Confirma?</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i parametri. Controlla i log.</source>
        <translation>No se han podido guardar los parámetros. Consulte los registros.</translation>
    </message>
    <message>
        <source>Registro modifiche</source>
        <translation>Registro de cambios</translation>
    </message>
    <message>
        <source>I parametri sono stati salvati, ma il registro delle modifiche non si e&apos; potuto scrivere.</source>
        <translation>Los parámetros se han guardado, pero no se ha podido escribir el registro de cambios.</translation>
    </message>
    <message>
        <source>Valori copiati negli appunti.</source>
        <translation>Valores copiados al portapapeles.</translation>
    </message>
    <message>
        <source>I parametri dell&apos;anno %1 non si sono letti correttamente:
%2</source>
        <translation>Los parámetros del año %1 no se han leído correctamente:
%2</translation>
    </message>
    <message>
        <source>I valori mostrati non si possono salvare finché il file non è corretto.</source>
        <translation>Los valores mostrados no se pueden guardar hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>I parametri non vengono salvati: correggere il file prima di salvare.</source>
        <translation>Los parámetros no se guardan: corrija el archivo antes de guardar.</translation>
    </message>
    <message>
        <source>LAINF / SUVA: valori iniziali delle nuove aziende</source>
        <translation>LAINF / SUVA: valores iniciales de las nuevas empresas</translation>
    </message>
</context>
<context>
    <name>DialogPeriodiRapporto</name>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Períodos de relación laboral</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Añadir período</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>In corso</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Entrata:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Uscita:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>¿Eliminar el período seleccionado?</translation>
    </message>
    <message>
        <source>Periodi aggiornati</source>
        <translation>Períodos actualizados</translation>
    </message>
    <message>
        <source>Ricordati di premere Salva nella scheda per rendere effettive le modifiche.</source>
        <translation>Recuerde pulsar Guardar en la ficha para que los cambios sean efectivos.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
</context>
<context>
    <name>DialogoFile</name>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cartella diversa</source>
        <translation>Carpeta distinta</translation>
    </message>
    <message>
        <source>Stai salvando fuori dalla cartella dell&apos;azienda:
%1

Vuoi continuare?</source>
        <translation>Está guardando fuera de la carpeta de la empresa:
%1

¿Desea continuar?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>Dipendente</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>El archivo %1 contiene valores no válidos: %2.</translation>
    </message>
    <message>
        <source>riga %1: &quot;%2&quot;</source>
        <translation>línea %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: chiave ripetuta: %2, già alla riga %3</source>
        <translation>línea %1: clave repetida: %2, ya en la línea %3</translation>
    </message>
    <message>
        <source>(cessato)</source>
        <translation>(baja)</translation>
    </message>
    <message>
        <source>(entrata futura)</source>
        <translation>(alta futura)</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>El código del empleado no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): i dati del dipendente non vengono salvati.</source>
        <translation>Valores no válidos (%1): los datos del empleado no se guardan.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
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
        <translation>No se ha podido escribir:
%1</translation>
    </message>
    <message>
        <source>Impossibile leggere la scheda del dipendente.</source>
        <translation>No se ha podido leer la ficha del empleado.</translation>
    </message>
    <message>
        <source>Anno dei documenti</source>
        <translation>Año de los documentos</translation>
    </message>
    <message>
        <source>File gia&apos; presenti</source>
        <translation>Archivos ya existentes</translation>
    </message>
    <message>
        <source>Nella cartella esistono gia&apos; %1 file su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>En la carpeta ya existen %1 archivos de los %2 seleccionados.
¿Desea sobrescribirlos todos?</translation>
    </message>
    <message>
        <source>Sovrascrivi tutti</source>
        <translation>Sobrescribir todos</translation>
    </message>
    <message>
        <source>Chiedi uno per uno</source>
        <translation>Preguntar uno por uno</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sovrascrivere file?</source>
        <translation>¿Sobrescribir el archivo?</translation>
    </message>
    <message>
        <source>Il file %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>El archivo %1 ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Dati incompleti</source>
        <translation>Datos incompletos</translation>
    </message>
    <message>
        <source>Salario</source>
        <translation>Salario</translation>
    </message>
    <message>
        <source>Eta</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Certificati gia&apos; presenti</source>
        <translation>Certificados ya existentes</translation>
    </message>
    <message>
        <source>Esistono gia&apos; %1 certificati su %2 selezionati.
Vuoi sovrascriverli tutti?</source>
        <translation>Ya existen %1 certificados de los %2 seleccionados.
¿Desea sobrescribirlos todos?</translation>
    </message>
    <message>
        <source>Sovrascrivere certificato?</source>
        <translation>¿Sobrescribir el certificado?</translation>
    </message>
    <message>
        <source>Il certificato %1 esiste gia&apos;. Sovrascrivere?</source>
        <translation>El certificado %1 ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>Esportati %1 certificati di salario.</source>
        <translation>Se han exportado %1 certificados de salario.</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Ningún empleado</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Cree primero un empleado.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione Certificati PDF</source>
        <translation>Carpeta de destino de los certificados PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Certificato di salario %1</source>
        <translation>Certificado de salario %1</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF guardado en:
</translation>
    </message>
    <message>
        <source>Esportati %1 certificati PDF.</source>
        <translation>Se han exportado %1 certificados PDF.</translation>
    </message>
    <message>
        <source>Rendiconto Salari</source>
        <translation>Informe de salarios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Salva RSS PDF</source>
        <translation>Guardar RSS PDF</translation>
    </message>
    <message>
        <source>Cartella destinazione RSS PDF</source>
        <translation>Carpeta de destino RSS PDF</translation>
    </message>
    <message>
        <source>Rendiconto Salari %1</source>
        <translation>Informe de salarios %1</translation>
    </message>
    <message>
        <source>Esportati %1 PDF RSS.</source>
        <translation>Se han exportado %1 PDF RSS.</translation>
    </message>
    <message>
        <source>Salva XML ELM</source>
        <translation>Guardar XML ELM</translation>
    </message>
    <message>
        <source>Cartella destinazione XML ELM</source>
        <translation>Carpeta de destino XML ELM</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Esportati %1 file XML ELM.</source>
        <translation>Se han exportado %1 archivos XML ELM.</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verranno richiesti salario ed eta.</source>
        <translation>La ficha de %1 está incompleta: se pedirán el salario y la edad.</translation>
    </message>
    <message>
        <source>Salario mensile lordo di %1 (CHF):</source>
        <translation>Salario mensual bruto de %1 (CHF):</translation>
    </message>
    <message>
        <source>Eta di %1:</source>
        <translation>Edad de %1:</translation>
    </message>
    <message>
        <source>%1: scheda non leggibile</source>
        <translation>%1: ficha no legible</translation>
    </message>
    <message>
        <source>%1: salario ed eta non dati</source>
        <translation>%1: salario y edad no indicados</translation>
    </message>
    <message>
        <source>Rendiconto salari</source>
        <translation>Informe de salarios</translation>
    </message>
    <message>
        <source>Senza rendiconto:
%1</source>
        <translation>Sin informe:
%1</translation>
    </message>
    <message>
        <source>La scheda di %1 e&apos; incompleta: verra&apos; richiesta l&apos;eta.</source>
        <translation>La ficha de %1 está incompleta: se pedirá la edad.</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario:</source>
        <translation>Marque los empleados cuyo certificado de salario desea exportar:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il certificato di salario in PDF:</source>
        <translation>Marque los empleados cuyo certificado de salario desea exportar en PDF:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS):</source>
        <translation>Marque los empleados cuyo informe de salarios (RSS) desea exportar:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui esportare il rendiconto salari (RSS) in PDF:</source>
        <translation>Marque los empleados cuyo informe de salarios (RSS) desea exportar en PDF:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare in XML ELM:</source>
        <translation>Marque los empleados que desea exportar en XML ELM:</translation>
    </message>
</context>
<context>
    <name>Ferie</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>FileIni</name>
    <message>
        <source>carattere NUL</source>
        <translation>carácter NUL</translation>
    </message>
    <message>
        <source>intestazione di gruppo senza &quot;]&quot;</source>
        <translation>encabezado de grupo sin &quot;]&quot;</translation>
    </message>
    <message>
        <source>gruppo senza nome</source>
        <translation>grupo sin nombre</translation>
    </message>
    <message>
        <source>testo dopo &quot;]&quot;</source>
        <translation>texto después de &quot;]&quot;</translation>
    </message>
    <message>
        <source>riga che non è né un gruppo né chiave=valore</source>
        <translation>línea que no es ni un grupo ni clave=valor</translation>
    </message>
    <message>
        <source>chiave senza nome</source>
        <translation>clave sin nombre</translation>
    </message>
    <message>
        <source>%1, riga %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>intestazione di gruppo in un file senza gruppi</source>
        <translation>encabezado de grupo en un archivo sin grupos</translation>
    </message>
    <message>
        <source>chiave fuori da ogni gruppo</source>
        <translation>clave fuera de todo grupo</translation>
    </message>
    <message>
        <source>gruppo ripetuto: [%1], già alla riga %2</source>
        <translation>grupo repetido: [%1], ya en la línea %2</translation>
    </message>
    <message>
        <source>chiave ripetuta: %1, già alla riga %2</source>
        <translation>clave repetida: %1, ya en la línea %2</translation>
    </message>
</context>
<context>
    <name>FileSicuri</name>
    <message>
        <source>Il file %1 non esiste.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Il file %1 supera %2 KB e non viene letto.</source>
        <translation>El archivo %1 supera %2 KB y no se lee.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
</context>
<context>
    <name>FoglioPaga</name>
    <message>
        <source>Importo versato sul conto</source>
        <translation>Importe abonado en la cuenta</translation>
    </message>
    <message>
        <source>Numero AVS: </source>
        <translation>Número AVS: </translation>
    </message>
    <message>
        <source>Stipendio mese di </source>
        <translation>Salario del mes de </translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Totale lordo</source>
        <translation>Total bruto</translation>
    </message>
    <message>
        <source>Deduzioni</source>
        <translation>Deducciones</translation>
    </message>
    <message>
        <source>Imponibile</source>
        <translation>Base imponible</translation>
    </message>
    <message>
        <source>Aliquota</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Deduzione</source>
        <translation>Deducción</translation>
    </message>
    <message>
        <source>Totale deduzioni</source>
        <translation>Total deducciones</translation>
    </message>
    <message>
        <source>Totale parziale</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Importo versato in contanti</source>
        <translation>Importe pagado en efectivo</translation>
    </message>
    <message>
        <source>Diritto vacanze per anno: %1 settimane</source>
        <translation>Derecho a vacaciones por año: %1 semanas</translation>
    </message>
    <message>
        <source>Vacanze maturate</source>
        <translation>Vacaciones devengadas</translation>
    </message>
    <message>
        <source>Riporto saldo vacanze anno precedente</source>
        <translation>Saldo de vacaciones del año anterior</translation>
    </message>
    <message>
        <source>Nuovo saldo vacanze</source>
        <translation>Nuevo saldo de vacaciones</translation>
    </message>
    <message>
        <source>Comunicazioni: </source>
        <translation>Comunicaciones: </translation>
    </message>
    <message>
        <source>Conteggio salario allestito con Vardello</source>
        <translation>Nómina elaborada con Vardello</translation>
    </message>
    <message>
        <source>Dipendente: %1</source>
        <translation>Empleado: %1</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - Anno %1</source>
        <translation>Introducción de variables del mes - Año %1</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Total anual</translation>
    </message>
    <message>
        <source> giorni</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Inserimento variabili mese - %1</source>
        <translation>Introducción de variables del mes - %1</translation>
    </message>
    <message>
        <source>Anno %1</source>
        <translation>Año %1</translation>
    </message>
    <message>
        <source>Riepilogo annuale - Anno %1</source>
        <translation>Resumen anual - Año %1</translation>
    </message>
    <message>
        <source>Vacanze prese nell&apos;anno</source>
        <translation>Vacaciones disfrutadas en el año</translation>
    </message>
    <message>
        <source>Non pagati e non compresi nel totale (l&apos;ultima chiusura del mese non li ha potuti conteggiare):</source>
        <translation>No pagados y no incluidos en el total (el último cierre del mes no pudo liquidarlos):</translation>
    </message>
</context>
<context>
    <name>GeneriSalario</name>
    <message>
        <source>valore non valido per %1: &quot;%2&quot;</source>
        <translation>valor no válido para %1: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>GestioneAzienda</name>
    <message>
        <source>Azienda</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Razón social</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>La razón social es obligatoria.</translation>
    </message>
    <message>
        <source>Il CAP deve essere di 4 cifre.</source>
        <translation>El código postal debe tener 4 cifras.</translation>
    </message>
    <message>
        <source>Il cantone deve essere di 2 lettere (es. TI).</source>
        <translation>El cantón debe tener 2 letras (p. ej. TI).</translation>
    </message>
    <message>
        <source>L&apos;IBAN dell&apos;azienda non è valido: controlla le cifre.</source>
        <translation>El IBAN de la empresa no es válido: compruebe las cifras.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Dati salvati.</source>
        <translation>Datos guardados.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questa azienda?</source>
        <translation>¿Eliminar definitivamente esta empresa?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>No se ha podido eliminar.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Azienda eliminata.</source>
        <translation>Empresa eliminada.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
</context>
<context>
    <name>GestioneCampiMovimento</name>
    <message>
        <source>Gestione campi movimento</source>
        <translation>Gestión de campos de movimiento</translation>
    </message>
    <message>
        <source>Configura le voci personalizzate (deduzioni legali, rimborsi prestiti, voci salariali).</source>
        <translation>Configure los conceptos personalizados (deducciones legales, reembolsos de préstamos, conceptos salariales).</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Tipo importo</source>
        <translation>Tipo de importe</translation>
    </message>
    <message>
        <source>Soggetto</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <source>AVS</source>
        <translation>AVS</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>CAF</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>LAINF</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>Mass.AD</source>
        <translation>Tope AD</translation>
    </message>
    <message>
        <source>Mass.LAINF</source>
        <translation>Tope LAINF</translation>
    </message>
    <message>
        <source>Cat.cert.</source>
        <translation>Cat. cert.</translation>
    </message>
    <message>
        <source>Scadenza</source>
        <translation>Vencimiento</translation>
    </message>
    <message>
        <source>Importo totale</source>
        <translation>Importe total</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Ninguna selección</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Seleccione una fila.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Eliminare il campo selezionato?</source>
        <translation>¿Eliminar el campo seleccionado?</translation>
    </message>
    <message>
        <source>Conferma salvataggio</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>Stai per sovrascrivere i campi movimento personalizzati. Confermi?</source>
        <translation>Está a punto de sobrescribir los campos de movimiento personalizados. ¿Confirma?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Campi movimento salvati.</source>
        <translation>Campos de movimiento guardados.</translation>
    </message>
    <message>
        <source>Il file dei campi movimento non si è letto correttamente:
%1</source>
        <translation>El archivo de campos de movimiento no se ha leído correctamente:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Los cambios no se pueden guardar hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, fila %2</translation>
    </message>
</context>
<context>
    <name>GestioneCertificati</name>
    <message>
        <source>Gestione certificati</source>
        <translation>Gestión de certificados</translation>
    </message>
    <message>
        <source>Certificati salvati:</source>
        <translation>Certificados guardados:</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Seleccionar todos</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Nessun certificato</source>
        <translation>Ningún certificado</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile leggere il file.</source>
        <translation>No se ha podido leer el archivo.</translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Eliminare il certificato &quot;%1&quot;?</source>
        <translation>¿Eliminar el certificado &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file:
%1</source>
        <translation>No se ha podido eliminar el archivo:
%1</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Ninguna selección</translation>
    </message>
    <message>
        <source>Spunta almeno un certificato.</source>
        <translation>Marque al menos un certificado.</translation>
    </message>
    <message>
        <source>Certificato di salario</source>
        <translation>Certificado de salario</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF guardado en:
</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>Cartella per i PDF</source>
        <translation>Carpeta para los PDF</translation>
    </message>
    <message>
        <source>Esportati: %1
Errori: %2
Cartella: %3</source>
        <translation>Exportados: %1
Errores: %2
Carpeta: %3</translation>
    </message>
    <message>
        <source>Esportati</source>
        <translation>Exportados</translation>
    </message>
    <message>
        <source>Il certificato non si è letto correttamente:
%1</source>
        <translation>El certificado no se ha leído correctamente:
%1</translation>
    </message>
    <message>
        <source>Non ci sono certificati salvati.
Usa %1 &gt; %2</source>
        <translation>No hay certificados guardados.
Use %1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>GestioneGeneri</name>
    <message>
        <source>Generi di salario</source>
        <translation>Tipos de salario</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
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
        <translation>LAINF</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Seleziona una riga.</source>
        <translation>Seleccione una fila.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>¿Eliminar la fila seleccionada?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Generi salvati.</source>
        <translation>Tipos de salario guardados.</translation>
    </message>
    <message>
        <source>Il file dei generi di salario non si è letto correttamente:
%1</source>
        <translation>El archivo de tipos de salario no se ha leído correctamente:
%1</translation>
    </message>
    <message>
        <source>Le modifiche non si possono salvare finché il file non è corretto.</source>
        <translation>Los cambios no se pueden guardar hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
</context>
<context>
    <name>GestioneMovimenti</name>
    <message>
        <source>Importo</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Movimenti straordinari - %1</source>
        <translation>Movimientos extraordinarios - %1</translation>
    </message>
    <message>
        <source>Modifica direttamente le celle. Il cambio di Tipo applica preset ai flag.</source>
        <translation>Modifique directamente las celdas. Al cambiar el Tipo se aplican valores predefinidos a los indicadores.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Eliminare la riga selezionata?</source>
        <translation>¿Eliminar la fila seleccionada?</translation>
    </message>
    <message>
        <source>Movimenti salvati.</source>
        <translation>Movimientos guardados.</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Riga %1: la data &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31/12/2026.</source>
        <translation>Fila %1: la fecha &quot;%2&quot; no es válida: escriba por ejemplo 31/12/2026.</translation>
    </message>
    <message>
        <source>Movimenti</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>Questi movimenti sono datati in un mese gia&apos; salvato nello storico paghe e non sono ancora pagati: per pagarli il mese va conteggiato di nuovo (Chiusura mensile, &quot;Genera tutti e salva&quot;).</source>
        <translation>Estos movimientos están fechados en un mes ya guardado en el historial de nóminas y aún no se han pagado: para pagarlos hay que volver a liquidar el mes (Cierre mensual, &quot;Generar todas y guardar&quot;).</translation>
    </message>
    <message>
        <source>Questi movimenti restano salvati come scritti, ma il conteggio del salario non li paga mai:</source>
        <translation>Estos movimientos quedan guardados tal como se escribieron, pero el cálculo del salario nunca los paga:</translation>
    </message>
    <message>
        <source>l&apos;importo e&apos; zero o negativo</source>
        <translation>el importe es cero o negativo</translation>
    </message>
    <message>
        <source>nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF</source>
        <translation>ninguna casilla marcada entre AVS, AD, CAF, LAINF, LPP e IF</translation>
    </message>
    <message>
        <source>riga %1, %2 %3 CHF: %4</source>
        <translation>fila %1, %2 %3 CHF: %4</translation>
    </message>
</context>
<context>
    <name>GestioneStipendi</name>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salario mensual</translation>
    </message>
    <message>
        <source>Mensilita</source>
        <translation>Pagas</translation>
    </message>
    <message>
        <source>Aggiungi periodo</source>
        <translation>Añadir período</translation>
    </message>
    <message>
        <source>Elimina periodo</source>
        <translation>Eliminar período</translation>
    </message>
    <message>
        <source>Apri scheda</source>
        <translation>Abrir ficha</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Periodi (mensilita read-only, calcolata dalla scheda dipendente):</source>
        <translation>Períodos (pagas de solo lectura, calculadas a partir de la ficha del empleado):</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Seleziona un periodo.</source>
        <translation>Seleccione un período.</translation>
    </message>
    <message>
        <source>Eliminare il periodo selezionato?</source>
        <translation>¿Eliminar el período seleccionado?</translation>
    </message>
    <message>
        <source>Inizio, riga %1</source>
        <translation>Inicio, fila %1</translation>
    </message>
    <message>
        <source>Fine, riga %1</source>
        <translation>Fin, fila %1</translation>
    </message>
    <message>
        <source>Salario mensile, riga %1</source>
        <translation>Salario mensual, fila %1</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Periodi salvati.</source>
        <translation>Períodos guardados.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Historial de salarios</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo finisce il %2, prima del suo inizio il %3.</source>
        <translation>&quot;%1&quot;: el período termina el %2, antes de su inicio el %3.</translation>
    </message>
    <message>
        <source>Storico stipendi - %1</source>
        <translation>Historial de salarios - %1</translation>
    </message>
</context>
<context>
    <name>GestioneValute</name>
    <message>
        <source>Gestione valute</source>
        <translation>Gestión de monedas</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Simbolo</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Cambio in CHF</source>
        <translation>Cambio en CHF</translation>
    </message>
    <message>
        <source>Arrotonda a 5 cent.</source>
        <translation>Redondear a 5 cts.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Il franco svizzero e&apos; la valuta di base e non si puo&apos; eliminare.</source>
        <translation>El franco suizo es la moneda base y no se puede eliminar.</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Valute salvate.</source>
        <translation>Monedas guardadas.</translation>
    </message>
    <message>
        <source>mancano campi (servono codice;nome;simbolo;cambio;arrotondamento)</source>
        <translation>faltan campos (se necesitan código;nombre;símbolo;cambio;redondeo)</translation>
    </message>
    <message>
        <source>ci sono piu&apos; di cinque campi</source>
        <translation>hay más de cinco campos</translation>
    </message>
    <message>
        <source>il cambio non e&apos; un numero intero</source>
        <translation>el tipo de cambio no es un número entero</translation>
    </message>
    <message>
        <source>l&apos;arrotondamento non e&apos; 0 o 1</source>
        <translation>el redondeo no es 0 ni 1</translation>
    </message>
    <message>
        <source>manca il codice</source>
        <translation>falta el código</translation>
    </message>
    <message>
        <source>contiene un carattere nullo</source>
        <translation>contiene un carácter nulo</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>El archivo %1 no se puede leer por completo: %2.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>Il testo &quot;%1&quot; in &quot;%2&quot; non puo&apos; contenere &quot;;&quot; o un a capo.</source>
        <translation>El texto &quot;%1&quot; en &quot;%2&quot; no puede contener &quot;;&quot; ni un salto de línea.</translation>
    </message>
    <message>
        <source>Manca il codice in &quot;%1&quot;.</source>
        <translation>Falta el código en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Il codice &quot;%1&quot; in &quot;%2&quot; e&apos; gia&apos; in un&apos;altra riga.</source>
        <translation>El código &quot;%1&quot; en &quot;%2&quot; ya está en otra fila.</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; deve essere maggiore di zero (al milionesimo).</source>
        <translation>El cambio &quot;%1&quot; en &quot;%2&quot; debe ser mayor que cero (a la millonésima).</translation>
    </message>
    <message>
        <source>Il cambio &quot;%1&quot; in &quot;%2&quot; ha piu&apos; di 6 decimali: scriverlo con 6 decimali al massimo.</source>
        <translation>El cambio &quot;%1&quot; en &quot;%2&quot; tiene más de 6 decimales: escríbalo con 6 decimales como máximo.</translation>
    </message>
</context>
<context>
    <name>GestioneVariabili</name>
    <message>
        <source>Mese</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Ore
fatte</source>
        <translation>Horas
hechas</translation>
    </message>
    <message>
        <source>Ore extra
25%</source>
        <translation>Horas extra
25%</translation>
    </message>
    <message>
        <source>Ore extra
50%</source>
        <translation>Horas extra
50%</translation>
    </message>
    <message>
        <source>Ore extra
compensate</source>
        <translation>Horas extra
compensadas</translation>
    </message>
    <message>
        <source>Rimb.
malattia</source>
        <translation>Reemb.
enfermedad</translation>
    </message>
    <message>
        <source>Rimb.
infortunio</source>
        <translation>Reemb.
accidente</translation>
    </message>
    <message>
        <source>Rimb.
IPG</source>
        <translation>Reemb.
IPG</translation>
    </message>
    <message>
        <source>Rimb.
spese</source>
        <translation>Reemb.
gastos</translation>
    </message>
    <message>
        <source>Acconti</source>
        <translation>Anticipos</translation>
    </message>
    <message>
        <source>Rimb.
prestiti</source>
        <translation>Reemb.
préstamos</translation>
    </message>
    <message>
        <source>Tratt.
UEF</source>
        <translation>Ret.
UEF</translation>
    </message>
    <message>
        <source>Vacanze
(gg)</source>
        <translation>Vacaciones
(días)</translation>
    </message>
    <message>
        <source>Imp.
imponibili</source>
        <translation>Imp.
imponibles</translation>
    </message>
    <message>
        <source>Imp. non
imponibili</source>
        <translation>Imp. no
imponibles</translation>
    </message>
    <message>
        <source>Rimb.
trasferte</source>
        <translation>Reemb.
desplaz.</translation>
    </message>
    <message>
        <source>Deduz.
assenze</source>
        <translation>Deduc.
ausencias</translation>
    </message>
    <message>
        <source>Rimb.
assicur.</source>
        <translation>Reemb.
seguros</translation>
    </message>
    <message>
        <source>13a / 14a /
Gratifica</source>
        <translation>13.ª / 14.ª /
Gratificación</translation>
    </message>
    <message>
        <source>Note /
Descrizione</source>
        <translation>Notas /
Descripción</translation>
    </message>
    <message>
        <source>Inserimento variabili mensili</source>
        <translation>Introducción de variables mensuales</translation>
    </message>
    <message>
        <source>Dipendente:</source>
        <translation>Empleado:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Anteprima / Stampa variabili PDF...</source>
        <translation>Vista previa / Imprimir variables PDF...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Contratto: Salario orario (CHF %1/h)</source>
        <translation>Contrato: salario por hora (CHF %1/h)</translation>
    </message>
    <message>
        <source>Contratto: Stipendio mensile (CHF %1/mese)</source>
        <translation>Contrato: salario mensual (CHF %1/mes)</translation>
    </message>
    <message>
        <source>Totale annuo</source>
        <translation>Total anual</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>AVISO IMPORTANTE - Límite legal de horas extraordinarias (art. 12 LL)</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra non compensate superano i limiti di riferimento della Legge federale sul lavoro (art. 12 LL):

- Picco mensile: %1 h (soglia mensile prudenziale: 40 h)
- Totale annuo %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Atención: las horas extra no compensadas superan los límites de referencia de la Ley federal sobre el trabajo (art. 12 LL):

- Pico mensual: %1 h (umbral mensual prudencial: 40 h)
- Total anual %2: %3 h (límite legal: 140 h/año, o 170 h/año para semanas de 45 h)

¿Desea guardar estos datos de todos modos bajo su propia responsabilidad?</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Guardar bajo mi responsabilidad</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Cancelar y corregir</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>No se han podido guardar las variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Variabili mensili salvate.</source>
        <translation>Variables mensuales guardadas.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vista previa de las variables del mes</translation>
    </message>
    <message>
        <source>%1 - ore fatte e straordinarie del mese</source>
        <translation>%1 - horas trabajadas y extraordinarias del mes</translation>
    </message>
</context>
<context>
    <name>ImpostaFonte</name>
    <message>
        <source>(scala non trovata)</source>
        <translation>(escala no encontrada)</translation>
    </message>
    <message>
        <source>%1/%2: %3 scaglioni, figli=%4, chiesa=%5</source>
        <translation>%1/%2: %3 tramos, hijos=%4, iglesia=%5</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: manca il record finale, il file può essere incompleto.</source>
        <translation>Tarifas %1, archivo %2: falta el registro final, el archivo puede estar incompleto.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.</source>
        <translation>Tarifas %1, archivo %2: el registro final indica %3 registros, el archivo contiene %4.</translation>
    </message>
    <message>
        <source>record di testata in mezzo al file</source>
        <translation>registro de cabecera en medio del archivo</translation>
    </message>
    <message>
        <source>carattere non valido alla posizione %1</source>
        <translation>carácter no válido en la posición %1</translation>
    </message>
    <message>
        <source>tipo di record sconosciuto: &quot;%1&quot;</source>
        <translation>tipo de registro desconocido: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: record danneggiato (%4); la sua tariffa non viene usata.</source>
        <translation>Tarifas %1, archivo %2, línea %3: registro dañado (%4); su tarifa no se usa.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altri %3 record danneggiati non elencati.</source>
        <translation>Tarifas %1, archivo %2: otros %3 registros dañados no listados.</translation>
    </message>
    <message>
        <source>%1 byte invece di %2</source>
        <translation>%1 bytes en lugar de %2</translation>
    </message>
    <message>
        <source>cantone o codice illeggibile</source>
        <translation>cantón o código ilegible</translation>
    </message>
    <message>
        <source>campo non numerico alle posizioni %1-%2: &quot;%3&quot;</source>
        <translation>campo no numérico en las posiciones %1-%2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2, riga %3: la tariffa %4 si contraddice (%5); la tariffa non viene usata.</source>
        <translation>Tarifas %1, archivo %2, línea %3: la tarifa %4 se contradice (%5); la tarifa no se usa.</translation>
    </message>
    <message>
        <source>Tariffe %1, file %2: altre %3 tariffe contraddittorie non elencate.</source>
        <translation>Tarifas %1, archivo %2: otras %3 tarifas contradictorias no listadas.</translation>
    </message>
    <message>
        <source>valida dal %1, i record precedenti dal %2</source>
        <translation>válida desde el %1, los registros anteriores desde el %2</translation>
    </message>
    <message>
        <source>reddito da %1 non superiore a %2 del record precedente</source>
        <translation>ingreso desde %1 no superior a %2 del registro anterior</translation>
    </message>
</context>
<context>
    <name>ImpostaPassword</name>
    <message>
        <source>Imposta password amministratore</source>
        <translation>Establecer contraseña de administrador</translation>
    </message>
    <message>
        <source>Non è ancora stata impostata una password amministratore. Scegline una di almeno %1 caratteri e scrivila due volte.</source>
        <translation>Todavía no se ha establecido ninguna contraseña de administrador. Elija una de al menos %1 caracteres y escríbala dos veces.</translation>
    </message>
    <message>
        <source>Nuova password:</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <source>Ripeti la password:</source>
        <translation>Repita la contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>La password deve avere almeno %1 caratteri.</source>
        <translation>La contraseña debe tener al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Le due password non coincidono.</source>
        <translation>Las dos contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Impossibile salvare la password in %1.</source>
        <translation>No se ha podido guardar la contraseña en %1.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Password amministratore</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>Password impostata.</source>
        <translation>Contraseña establecida.</translation>
    </message>
</context>
<context>
    <name>InputSvizzero</name>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; non e&apos; valido: scrivere ad esempio 5&apos;000.50 oppure 5000,50.</source>
        <translation>El importe &quot;%1&quot; en &quot;%2&quot; no es válido: escriba por ejemplo 5&apos;000.50 o 5000,50.</translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; in &quot;%2&quot; non e&apos; valida: scrivere ad esempio 31.12.2025 oppure 31/12/2025.</source>
        <translation>La fecha &quot;%1&quot; en &quot;%2&quot; no es válida: escriba por ejemplo 31.12.2025 o 31/12/2025.</translation>
    </message>
    <message>
        <source>Il valore %1 in &quot;%2&quot; non e&apos; ammesso: deve essere tra %3 e %4.</source>
        <translation>El valor %1 en &quot;%2&quot; no está admitido: debe estar entre %3 y %4.</translation>
    </message>
    <message>
        <source>Il valore &quot;%1&quot; in &quot;%2&quot; ha troppi decimali: se ne possono scrivere al massimo %3.</source>
        <translation>El valor &quot;%1&quot; en &quot;%2&quot; tiene demasiados decimales: se admiten como máximo %3.</translation>
    </message>
    <message>
        <source>L&apos;importo &quot;%1&quot; in &quot;%2&quot; supera il massimo ammesso di %3.</source>
        <translation>El importe &quot;%1&quot; en &quot;%2&quot; supera el máximo admitido de %3.</translation>
    </message>
</context>
<context>
    <name>LinguaUtente</name>
    <message>
        <source>it</source>
        <extracomment>The two-letter code of the language of this translation: de, fr, en or es.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>ListaDipendenti</name>
    <message>
        <source>Lista Dipendenti</source>
        <translation>Lista de empleados</translation>
    </message>
    <message>
        <source>Dipendenti dell&apos;azienda:</source>
        <translation>Empleados de la empresa:</translation>
    </message>
    <message>
        <source>Cerca dipendente...</source>
        <translation>Buscar empleado...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Número AVS</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>(Nessun dipendente)</source>
        <translation>(Ningún empleado)</translation>
    </message>
    <message>
        <source>Sei sicuro di voler eliminare il dipendente?
</source>
        <translation>¿Seguro que desea eliminar el empleado?
</translation>
    </message>
    <message>
        <source>Impossibile eliminare il file del dipendente:
</source>
        <translation>No se ha podido eliminar el archivo del empleado:
</translation>
    </message>
</context>
<context>
    <name>LoginAdmin</name>
    <message>
        <source>Password amministratore</source>
        <translation>Contraseña de administrador</translation>
    </message>
    <message>
        <source>Inserisci la password amministratore:</source>
        <translation>Introduzca la contraseña de administrador:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Password errata.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
</context>
<context>
    <name>ModificheNonSalvate</name>
    <message>
        <source>Chiudere?</source>
        <translation>¿Cerrar?</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvare prima di chiudere?</source>
        <translation>Hay cambios sin guardar.
¿Guardar antes de cerrar?</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Modifiche non salvate</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Ci sono modifiche non salvate.
Salvarle prima di continuare?</source>
        <translation>Hay cambios sin guardar.
¿Guardarlos antes de continuar?</translation>
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
        <translation>Archivo del manual no encontrado.</translation>
    </message>
    <message>
        <source>Impossibile aprire il manuale:
%1

Aprire il file con un browser.</source>
        <translation>No se ha podido abrir el manual:
%1

Abra el archivo con un navegador.</translation>
    </message>
</context>
<context>
    <name>Movimenti</name>
    <message>
        <source>riga %1: il movimento non ha %2</source>
        <translation>línea %1: el movimiento no tiene %2</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo</source>
        <translation>línea %1: carácter nulo</translation>
    </message>
    <message>
        <source>riga %1: riga non riconosciuta &quot;%2&quot;</source>
        <translation>línea %1: línea no reconocida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>riga %1: %2 ripetuto, manca la riga vuota tra due movimenti</source>
        <translation>línea %1: %2 repetido, falta la línea vacía entre dos movimientos</translation>
    </message>
    <message>
        <source>riga %1: importo non valido</source>
        <translation>línea %1: importe no válido</translation>
    </message>
    <message>
        <source>riga %1: categoriaCertificato non valida</source>
        <translation>línea %1: categoriaCertificato no válida</translation>
    </message>
    <message>
        <source>riga %1: %2 non e&apos; 0 o 1</source>
        <translation>línea %1: %2 no es 0 ni 1</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>El archivo %1 no se puede leer por completo: %2.</translation>
    </message>
    <message>
        <source>riga %1: carattere nullo in %2</source>
        <translation>línea %1: carácter nulo en %2</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>El código del empleado no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>movimento %1 (%2, %3): %4</source>
        <translation>movimiento %1 (%2, %3): %4</translation>
    </message>
    <message>
        <source>Valori non validi, i movimenti non vengono salvati: %1.</source>
        <translation>Valores no válidos, los movimientos no se guardan: %1.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>MovimentiModel</name>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Importe</translation>
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
        <translation>AD</translation>
    </message>
    <message>
        <source>CAF</source>
        <translation>CAF</translation>
    </message>
    <message>
        <source>LAINF</source>
        <translation>LAINF</translation>
    </message>
    <message>
        <source>LPP</source>
        <translation>LPP</translation>
    </message>
    <message>
        <source>IF</source>
        <translation>IF</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Gratifica</source>
        <translation>Gratificación</translation>
    </message>
</context>
<context>
    <name>Nazioni</name>
    <message>
        <source>Partita IVA</source>
        <translation>Número de IVA</translation>
    </message>
    <message>
        <source>Codice Fiscale</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>IBAN azienda</source>
        <translation>IBAN de la empresa</translation>
    </message>
    <message>
        <source>BIC azienda</source>
        <translation>BIC de la empresa</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>Numéro d&apos;entreprise (BCE/KBO)</source>
        <translation>Número de empresa (BCE/KBO)</translation>
    </message>
    <message>
        <source>Svizzera</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Italia</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Francia</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Germania</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Spagna</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Belgio</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Paesi Bassi</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Regno Unito</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Stati Uniti</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>CHE-123.456.789 IVA</source>
        <translation>CHE-123.456.789 IVA</translation>
    </message>
</context>
<context>
    <name>NuovaAzienda</name>
    <message>
        <source>Nuova Azienda</source>
        <translation>Nueva empresa</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Franco svizzero (CHF)</source>
        <translation>Franco suizo (CHF)</translation>
    </message>
    <message>
        <source>Euro (EUR)</source>
        <translation>Euro (EUR)</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Ragione sociale</source>
        <translation>Razón social</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>La ragione sociale è obbligatoria.</source>
        <translation>La razón social es obligatoria.</translation>
    </message>
    <message>
        <source>La ragione sociale non dà un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>La razón social no da un nombre de archivo utilizable: use también letras o cifras.</translation>
    </message>
    <message>
        <source>Azienda esistente</source>
        <translation>Empresa existente</translation>
    </message>
    <message>
        <source>Esiste già un&apos;azienda salvata nel file %1.
Sostituirla?</source>
        <translation>Ya existe una empresa guardada en el archivo %1.
¿Sustituirla?</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati.</source>
        <translation>No se han podido guardar los datos.</translation>
    </message>
    <message>
        <source>L&apos;IBAN &quot;%1&quot; non e&apos; valido: controllare le cifre (ad esempio CH93 0076 2011 6238 5295 7).</source>
        <translation>El IBAN &quot;%1&quot; no es válido: compruebe las cifras (por ejemplo CH93 0076 2011 6238 5295 7).</translation>
    </message>
    <message>
        <source>Il BIC &quot;%1&quot; non e&apos; valido: deve avere 8 o 11 caratteri (ad esempio UBSWCHZH80A).</source>
        <translation>El BIC &quot;%1&quot; no es válido: debe tener 8 u 11 caracteres (por ejemplo UBSWCHZH80A).</translation>
    </message>
</context>
<context>
    <name>NuovoDipendente</name>
    <message>
        <source>Nuovo Dipendente</source>
        <translation>Nuevo empleado</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(no especificado)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Soltero/a</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Casado/a</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Separado/a legalmente</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorciado/a</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Viudo/a</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Pareja registrada</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Ciudadano suizo</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permiso C (establecimiento)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permiso B (residencia)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permiso L (corta duración)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permiso G (fronterizo)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permiso F (admisión provisional)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permiso S (protección)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Permiso de trabajo</translation>
    </message>
    <message>
        <source>Data di assunzione</source>
        <translation>Fecha de contratación</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Temporal</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Aprendizaje</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Tipo de contrato</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Ninguna (12 pagas)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13.ª paga</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13.ª + 14.ª paga</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Pagas adicionales</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Nome e cognome sono obbligatori.</source>
        <translation>El nombre y el apellido son obligatorios.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Número AVS no válido.</translation>
    </message>
    <message>
        <source>Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.</source>
        <translation>El nombre y el apellido no dan un nombre de archivo utilizable: use también letras o cifras.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare i dati del dipendente.</source>
        <translation>No se han podido guardar los datos del empleado.</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Número AVS</translation>
    </message>
    <message>
        <source>Numero AVS gia&apos; presente</source>
        <translation>Número AVS ya existente</translation>
    </message>
    <message>
        <source>Il numero AVS %1 e&apos; gia&apos; registrato per %2.
Salvare comunque il nuovo dipendente?</source>
        <translation>El número AVS %1 ya está registrado para %2.
¿Guardar de todos modos el nuevo empleado?</translation>
    </message>
    <message>
        <source>Dipendente salvato</source>
        <translation>Empleado guardado</translation>
    </message>
    <message>
        <source>Il nome di file %1 e&apos; gia&apos; in uso o troppo lungo: il dipendente e&apos; stato salvato come %2.</source>
        <translation>El nombre de archivo %1 ya está en uso o es demasiado largo: el empleado se ha guardado como %2.</translation>
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
        <translation>&quot;%1&quot;: campo obligatorio.</translation>
    </message>
</context>
<context>
    <name>PagheAnno</name>
    <message>
        <source>Impossibile leggere la scheda del dipendente %1.</source>
        <translation>No se ha podido leer la ficha del empleado %1.</translation>
    </message>
    <message>
        <source>Lo storico paghe %1 di %2 non si può leggere: %3</source>
        <translation>No se puede leer el historial de nóminas %1 de %2: %3</translation>
    </message>
    <message>
        <source>Impossibile stimare l&apos;anno %1 di %2: %3</source>
        <translation>No se ha podido estimar el año %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1: nessun mese di servizio nel %2, escluso dai totali.</source>
        <translation>%1: ningún mes de servicio en %2, excluido de los totales.</translation>
    </message>
    <message>
        <source>%1: escluso, %2</source>
        <translation>%1: excluido, %2</translation>
    </message>
    <message>
        <source>%1: nessun mese salvato nel %2 e imposta alla fonte della stima mancante, escluso dai totali: %3</source>
        <translation>%1: ningún mes guardado en %2 y falta el impuesto en la fuente de la estimación, excluido de los totales: %3</translation>
    </message>
    <message>
        <source>%1: nelle cifre anche mesi salvati prima che l&apos;ultima chiusura non ha potuto conteggiare: %2</source>
        <translation>%1: las cifras incluyen también meses guardados antes que el último cierre no pudo calcular: %2</translation>
    </message>
</context>
<context>
    <name>Pain001</name>
    <message>
        <source>Manca il nome dell&apos;azienda.</source>
        <translation>Falta el nombre de la empresa.</translation>
    </message>
    <message>
        <source>IBAN dell&apos;azienda non valido.</source>
        <translation>IBAN de la empresa no válido.</translation>
    </message>
    <message>
        <source>BIC dell&apos;azienda non valido.</source>
        <translation>BIC de la empresa no válido.</translation>
    </message>
    <message>
        <source>Data di esecuzione non valida.</source>
        <translation>Fecha de ejecución no válida.</translation>
    </message>
    <message>
        <source>Nessun pagamento.</source>
        <translation>Ningún pago.</translation>
    </message>
    <message>
        <source>Manca il nome di un beneficiario.</source>
        <translation>Falta el nombre de un beneficiario.</translation>
    </message>
    <message>
        <source>IBAN non valido: %1</source>
        <translation>IBAN no válido: %1</translation>
    </message>
    <message>
        <source>Importo non valido: %1</source>
        <translation>Importe no válido: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Area di lavoro</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>La lingua verra&apos; applicata al prossimo avvio.</source>
        <translation>El idioma se aplicará en el próximo inicio.</translation>
    </message>
    <message>
        <source>Fatto</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Periodi aggiornati per il nuovo anno.</source>
        <translation>Períodos actualizados para el nuevo año.</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Ningún cambio</translation>
    </message>
    <message>
        <source>Nessun dipendente da aggiornare.</source>
        <translation>Ningún empleado que actualizar.</translation>
    </message>
    <message>
        <source>Scegli la cartella per i dati</source>
        <translation>Elija la carpeta para los datos</translation>
    </message>
    <message>
        <source>Cartella dati</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Cartella dati impostata su:
</source>
        <translation>Carpeta de datos establecida en:
</translation>
    </message>
    <message>
        <source>Impossibile impostare la cartella dati su:
%1

La cartella dati resta:
%2</source>
        <translation>No se ha podido establecer la carpeta de datos en:
%1

La carpeta de datos sigue siendo:
%2</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Backup eseguito.</source>
        <translation>Copia de seguridad realizada.</translation>
    </message>
    <message>
        <source>Nessuna modifica dall&apos;ultimo backup: nessun nuovo backup.</source>
        <translation>Ningún cambio desde la última copia de seguridad: no se crea una nueva copia.</translation>
    </message>
    <message>
        <source>La cartella dati e&apos; vuota.</source>
        <translation>La carpeta de datos está vacía.</translation>
    </message>
    <message>
        <source>Backup non riuscito: %1</source>
        <translation>La copia de seguridad ha fallado: %1</translation>
    </message>
    <message>
        <source>Nessun dipendente</source>
        <translation>Ningún empleado</translation>
    </message>
    <message>
        <source>Crea prima un dipendente.</source>
        <translation>Cree primero un empleado.</translation>
    </message>
    <message>
        <source>Accesso riservato</source>
        <translation>Acceso restringido</translation>
    </message>
    <message>
        <source>Questa sezione e&apos; riservata all&apos;amministratore.</source>
        <translation>Esta sección está reservada al administrador.</translation>
    </message>
    <message>
        <source>Azienda</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Dati azienda</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>Nuova azienda</source>
        <translation>Nueva empresa</translation>
    </message>
    <message>
        <source>Cambia azienda...</source>
        <translation>Cambiar de empresa...</translation>
    </message>
    <message>
        <source>Dipendenti</source>
        <translation>Empleados</translation>
    </message>
    <message>
        <source>Storico stipendi...</source>
        <translation>Historial de salarios...</translation>
    </message>
    <message>
        <source>Movimenti straordinari...</source>
        <translation>Movimientos extraordinarios...</translation>
    </message>
    <message>
        <source>Nuovo dipendente...</source>
        <translation>Nuevo empleado...</translation>
    </message>
    <message>
        <source>Lista dipendenti...</source>
        <translation>Lista de empleados...</translation>
    </message>
    <message>
        <source>Elaborazione stipendi</source>
        <translation>Procesamiento de salarios</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Variables mensuales...</translation>
    </message>
    <message>
        <source>Chiusura mensile...</source>
        <translation>Cierre mensual...</translation>
    </message>
    <message>
        <source>Chiusure di fine anno</source>
        <translation>Cierres de fin de año</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi...</source>
        <translation>Nuevo año de salarios...</translation>
    </message>
    <message>
        <source>Chiusura esercizio / Blocco annuale...</source>
        <translation>Cierre del ejercicio / Bloqueo anual...</translation>
    </message>
    <message>
        <source>Riepilogo Paghe...</source>
        <translation>Resumen de salarios...</translation>
    </message>
    <message>
        <source>Esporta CSV contabilità...</source>
        <translation>Exportar CSV para contabilidad...</translation>
    </message>
    <message>
        <source>Esporta RSS...</source>
        <translation>Exportar RSS...</translation>
    </message>
    <message>
        <source>Esporta RSS PDF...</source>
        <translation>Exportar RSS PDF...</translation>
    </message>
    <message>
        <source>Esporta certificato di salario...</source>
        <translation>Exportar certificado de salario...</translation>
    </message>
    <message>
        <source>Esporta certificato PDF...</source>
        <translation>Exportar certificado PDF...</translation>
    </message>
    <message>
        <source>Esporta formulario assegni familiari (HTML)...</source>
        <translation>Exportar formulario de subsidios familiares (HTML)...</translation>
    </message>
    <message>
        <source>Esporta conteggio CAF (HTML)...</source>
        <translation>Exportar liquidación CAF (HTML)...</translation>
    </message>
    <message>
        <source>Gestione certificati...</source>
        <translation>Gestión de certificados...</translation>
    </message>
    <message>
        <source>Esporta XML ELM...</source>
        <translation>Exportar XML ELM...</translation>
    </message>
    <message>
        <source>Valute</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Gestione valute</source>
        <translation>Gestión de monedas</translation>
    </message>
    <message>
        <source>Generi di salario</source>
        <translation>Tipos de salario</translation>
    </message>
    <message>
        <source>Gestione generi...</source>
        <translation>Gestión de tipos de salario...</translation>
    </message>
    <message>
        <source>Dati</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Parametri AVS/SUVA/LPP...</source>
        <translation>Parámetros AVS/SUVA/LPP...</translation>
    </message>
    <message>
        <source>Scegli cartella dati...</source>
        <translation>Elegir carpeta de datos...</translation>
    </message>
    <message>
        <source>Esporta dipendenti CSV...</source>
        <translation>Exportar empleados CSV...</translation>
    </message>
    <message>
        <source>Importa dipendenti CSV...</source>
        <translation>Importar empleados CSV...</translation>
    </message>
    <message>
        <source>Amministrazione</source>
        <translation>Administración</translation>
    </message>
    <message>
        <source>Gestione campi movimento...</source>
        <translation>Gestión de campos de movimiento...</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>HTML salvato in:
</source>
        <translation>HTML guardado en:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il file.</source>
        <translation>No se ha podido guardar el archivo.</translation>
    </message>
    <message>
        <source>Salva formulario assegni</source>
        <translation>Guardar formulario de subsidios</translation>
    </message>
    <message>
        <source>Salva conteggio CAF</source>
        <translation>Guardar liquidación CAF</translation>
    </message>
    <message>
        <source>Cambia azienda</source>
        <translation>Cambiar de empresa</translation>
    </message>
    <message>
        <source>Vardello si chiude: riavvialo per lavorare con %1.</source>
        <translation>Vardello se cierra: vuelva a iniciarlo para trabajar con %1.</translation>
    </message>
    <message>
        <source>Tariffe imposta alla fonte</source>
        <translation>Tarifas del impuesto en la fuente</translation>
    </message>
    <message>
        <source>Ripristino</source>
        <translation>Restauración</translation>
    </message>
    <message>
        <source>Il ripristino interrotto non è stato completato: %1</source>
        <translation>La restauración interrumpida no se ha completado: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Collegamenti non copiati: %1</source>
        <translation>Enlaces no copiados: %1</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui aprire lo storico stipendi:</source>
        <translation>Marque los empleados cuyo historial de salarios desea abrir:</translation>
    </message>
    <message>
        <source>Spunta i dipendenti di cui gestire i movimenti straordinari:</source>
        <translation>Marque los empleados cuyos movimientos extraordinarios desea gestionar:</translation>
    </message>
    <message>
        <source>Nuovo anno stipendi</source>
        <translation>Nuevo año de salarios</translation>
    </message>
    <message>
        <source>Anno in cui finiscono i periodi di salario attuali (es. 2026):</source>
        <translation>Año en que terminan los períodos salariales actuales (p. ej. 2026):</translation>
    </message>
    <message>
        <source>Anno dei nuovi periodi di salario (es. 2027):</source>
        <translation>Año de los nuevos períodos salariales (p. ej. 2027):</translation>
    </message>
</context>
<context>
    <name>RSS</name>
    <message>
        <source>=== RENDICONTO SALARI %1 ===</source>
        <translation>=== INFORME DE SALARIOS %1 ===</translation>
    </message>
    <message>
        <source>Dipendente: </source>
        <translation>Empleado:   </translation>
    </message>
    <message>
        <source>ID file:    </source>
        <translation>ID archivo: </translation>
    </message>
    <message>
        <source>Lordo annuo:         %1 CHF</source>
        <translation>Bruto anual:            %1 CHF</translation>
    </message>
    <message>
        <source>Contributi dip.:     %1 CHF</source>
        <translation>Cotiz. empleado:        %1 CHF</translation>
    </message>
    <message>
        <source>Contributi datore:   %1 CHF</source>
        <translation>Cotiz. empleador:       %1 CHF</translation>
    </message>
    <message>
        <source>LPP annuo:           %1 CHF</source>
        <translation>LPP anual:              %1 CHF</translation>
    </message>
    <message>
        <source>Imposta alla fonte:  %1 CHF</source>
        <translation>Impuesto en la fuente:  %1 CHF</translation>
    </message>
    <message>
        <source>Netto annuo:         %1 CHF</source>
        <translation>Neto anual:             %1 CHF</translation>
    </message>
</context>
<context>
    <name>RiepilogoPaghe</name>
    <message>
        <source>Riepilogo Paghe</source>
        <translation>Resumen de salarios</translation>
    </message>
    <message>
        <source>Dipendente</source>
        <translation>Empleado</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salario mensual</translation>
    </message>
    <message>
        <source>Lordo annuo</source>
        <translation>Bruto anual</translation>
    </message>
    <message>
        <source>Contributi</source>
        <translation>Cotizaciones</translation>
    </message>
    <message>
        <source>Imposta fonte</source>
        <translation>Imp. en la fuente</translation>
    </message>
    <message>
        <source>Netto annuo</source>
        <translation>Neto anual</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deseleccionar todos</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Ricalcola totali</source>
        <translation>Recalcular totales</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Totali (%1 dipendenti)</source>
        <translation>Totales (%1 empleados)</translation>
    </message>
    <message>
        <source>Lordo annuo: %1 CHF
Contributi: %2 CHF
Imposta fonte: %3 CHF
Netto annuo: %4 CHF</source>
        <translation>Bruto anual: %1 CHF
Cotizaciones: %2 CHF
Impuesto en la fuente: %3 CHF
Neto anual: %4 CHF</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Seleccionar todos</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Esportato</source>
        <translation>Exportado</translation>
    </message>
    <message>
        <source>PDF salvato in:
</source>
        <translation>PDF guardado en:
</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossibile salvare il PDF.</source>
        <translation>No se ha podido guardar el PDF.</translation>
    </message>
    <message>
        <source>Salva CSV</source>
        <translation>Guardar CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Impossibile aprire il file per la scrittura.</source>
        <translation>No se ha podido abrir el archivo para escritura.</translation>
    </message>
    <message>
        <source>CSV salvato in:
</source>
        <translation>CSV guardado en:
</translation>
    </message>
    <message>
        <source>Riepilogo automatico dell&apos;anno: somme dei mesi salvati nello storico paghe; per chi non ha mesi salvati, stima dei mesi di servizio con il salario dei periodi registrati (spunta i dipendenti da includere):</source>
        <translation>Resumen automático del año: sumas de los meses guardados en el historial de nóminas; para quien no tiene meses guardados, estimación de los meses de servicio con el salario de los períodos registrados (marque los empleados que desea incluir):</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>mesi salvati</source>
        <translation>meses guardados</translation>
    </message>
    <message>
        <source>stima</source>
        <translation>estimación</translation>
    </message>
    <message>
        <source>nessun mese nell&apos;anno</source>
        <translation>ningún mes en el año</translation>
    </message>
    <message>
        <source>illeggibile</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Di cui %1 dipendenti senza mesi salvati: importi stimati (stima).</source>
        <translation>De ellos, %1 empleados sin meses guardados: importes estimados (estimación).</translation>
    </message>
    <message>
        <source>Mese del CSV contabilità</source>
        <translation>Mes del CSV para contabilidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>imposta mancante</source>
        <translation>impuesto faltante</translation>
    </message>
    <message>
        <source>Nessun dipendente spuntato ha %1 salvato nello storico paghe: il file non contiene nessun importo. Esegui prima la chiusura del mese.</source>
        <translation>Ningún empleado marcado tiene %1 guardado en el historial de pagos: el archivo no contiene ningún importe. Realice primero el cierre del mes.</translation>
    </message>
    <message>
        <source>L&apos;ultima chiusura di %1 non ha potuto conteggiare questi dipendenti: il file riporta il mese salvato prima, con lo stato &quot;rifiutato dall&apos;ultima chiusura&quot;:</source>
        <translation>El último cierre de %1 no pudo calcular a estos empleados: el archivo recoge el mes guardado antes, con el estado &quot;rifiutato dall&apos;ultima chiusura&quot;:</translation>
    </message>
    <message>
        <source>mesi salvati, con rifiuti</source>
        <translation>meses guardados, con rechazos</translation>
    </message>
</context>
<context>
    <name>ScegliAzienda</name>
    <message>
        <source>Scegli Azienda</source>
        <translation>Elegir empresa</translation>
    </message>
    <message>
        <source>Seleziona un&apos;azienda o creane una nuova:</source>
        <translation>Seleccione una empresa o cree una nueva:</translation>
    </message>
    <message>
        <source>Nuova Azienda</source>
        <translation>Nueva empresa</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>(Nessuna azienda trovata. Creane una nuova.)</source>
        <translation>(No se ha encontrado ninguna empresa. Cree una nueva.)</translation>
    </message>
</context>
<context>
    <name>ScegliBanca</name>
    <message>
        <source>Scegli la banca</source>
        <translation>Elegir el banco</translation>
    </message>
    <message>
        <source>Seleziona la banca per i pagamenti stipendi:</source>
        <translation>Seleccione el banco para el pago de los salarios:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ScegliConteggio</name>
    <message>
        <source>Conteggio</source>
        <translation>Nómina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Seleziona il mese da stampare:</source>
        <translation>Seleccione el mes que desea imprimir:</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Mese:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Nessun conteggio disponibile.</source>
        <translation>Ninguna nómina disponible.</translation>
    </message>
    <message>
        <source>Conteggio del mese %1/%2</source>
        <translation>Nómina del mes %1/%2</translation>
    </message>
    <message>
        <source>Lo storico paghe non si legge correttamente: %1</source>
        <translation>El historial de pagas no se lee correctamente: %1</translation>
    </message>
</context>
<context>
    <name>ScegliDipendente</name>
    <message>
        <source>Seleziona uno o piu&apos; dipendenti</source>
        <translation>Seleccione uno o varios empleados</translation>
    </message>
    <message>
        <source>Scegli dipendente</source>
        <translation>Elegir empleado</translation>
    </message>
    <message>
        <source>Spunta i dipendenti da esportare (oppure usa &apos;Seleziona tutti&apos;):</source>
        <translation>Marque los empleados que desea exportar (o use &apos;Seleccionar todos&apos;):</translation>
    </message>
    <message>
        <source>Cerca e seleziona un dipendente:</source>
        <translation>Busque y seleccione un empleado:</translation>
    </message>
    <message>
        <source>Cerca per AVS, cognome o nome...</source>
        <translation>Buscar por AVS, apellido o nombre...</translation>
    </message>
    <message>
        <source>Numero AVS</source>
        <translation>Número AVS</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Seleziona tutti</source>
        <translation>Seleccionar todos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Attivo</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Cessato</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Deseleziona tutti</source>
        <translation>Deseleccionar todos</translation>
    </message>
    <message>
        <source>Nessuna selezione</source>
        <translation>Ninguna selección</translation>
    </message>
    <message>
        <source>Spunta almeno un dipendente.</source>
        <translation>Marque al menos un empleado.</translation>
    </message>
    <message>
        <source>Seleziona un dipendente.</source>
        <translation>Seleccione un empleado.</translation>
    </message>
    <message>
        <source>Entrata futura</source>
        <translation>Alta futura</translation>
    </message>
</context>
<context>
    <name>SchedaDipendente</name>
    <message>
        <source>Scheda Dipendente</source>
        <translation>Ficha del empleado</translation>
    </message>
    <message>
        <source>&lt;b&gt;N° AVS:&lt;/b&gt;</source>
        <translation>&lt;b&gt;N.º AVS:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2</source>
        <translation>&lt;b&gt;Empleado:&lt;/b&gt; %1 %2</translation>
    </message>
    <message>
        <source>Periodi di rapporto...</source>
        <translation>Períodos de relación laboral...</translation>
    </message>
    <message>
        <source>Storico stipendi</source>
        <translation>Historial de salarios</translation>
    </message>
    <message>
        <source>Stampa foglio paga</source>
        <translation>Imprimir nómina</translation>
    </message>
    <message>
        <source>Variabili mensili...</source>
        <translation>Variables mensuales...</translation>
    </message>
    <message>
        <source>Stampa variabili mese</source>
        <translation>Imprimir variables del mes</translation>
    </message>
    <message>
        <source>Riepilogo annuale</source>
        <translation>Resumen anual</translation>
    </message>
    <message>
        <source>Gestisci figli...</source>
        <translation>Gestionar hijos...</translation>
    </message>
    <message>
        <source>Dati amministrativi...</source>
        <translation>Datos administrativos...</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Apri il manuale (D03)</source>
        <translation>Abrir el manual (D03)</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>(non specificato)</source>
        <translation>(no especificado)</translation>
    </message>
    <message>
        <source>Maschile</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Femminile</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Celibe/Nubile</source>
        <translation>Soltero/a</translation>
    </message>
    <message>
        <source>Coniugato/a</source>
        <translation>Casado/a</translation>
    </message>
    <message>
        <source>Separato legalmente</source>
        <translation>Separado/a legalmente</translation>
    </message>
    <message>
        <source>Divorziato/a</source>
        <translation>Divorciado/a</translation>
    </message>
    <message>
        <source>Vedovo/a</source>
        <translation>Viudo/a</translation>
    </message>
    <message>
        <source>Unione domestica registrata</source>
        <translation>Pareja registrada</translation>
    </message>
    <message>
        <source>Stato civile</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>gg/mm/aaaa</source>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>Stato civile dal</source>
        <translation>Estado civil desde</translation>
    </message>
    <message>
        <source>Cellulare</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Nazionalita</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Nazione</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Cittadino svizzero</source>
        <translation>Ciudadano suizo</translation>
    </message>
    <message>
        <source>Permesso C (stabilito)</source>
        <translation>Permiso C (establecimiento)</translation>
    </message>
    <message>
        <source>Permesso B (dimora)</source>
        <translation>Permiso B (residencia)</translation>
    </message>
    <message>
        <source>Permesso L (breve durata)</source>
        <translation>Permiso L (corta duración)</translation>
    </message>
    <message>
        <source>Permesso G (frontaliero)</source>
        <translation>Permiso G (fronterizo)</translation>
    </message>
    <message>
        <source>Permesso F (ammesso provvisorio)</source>
        <translation>Permiso F (admisión provisional)</translation>
    </message>
    <message>
        <source>Permesso S (protezione)</source>
        <translation>Permiso S (protección)</translation>
    </message>
    <message>
        <source>Permesso di lavoro</source>
        <translation>Permiso de trabajo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Si - in Svizzera</source>
        <translation>Sí - en Suiza</translation>
    </message>
    <message>
        <source>Si - all&apos;Estero</source>
        <translation>Sí - en el extranjero</translation>
    </message>
    <message>
        <source>Coniuge/partner lavora</source>
        <translation>El cónyuge/pareja trabaja</translation>
    </message>
    <message>
        <source>Altre attivita lucrative contemporanee (CH/Estero)</source>
        <translation>Otras actividades lucrativas simultáneas (CH/extranjero)</translation>
    </message>
    <message>
        <source>es. A0, B1, C2, H1, G0</source>
        <translation>p. ej. A0, B1, C2, H1, G0</translation>
    </message>
    <message>
        <source>Tariffa Imposte alla Fonte</source>
        <translation>Tarifa del impuesto en la fuente</translation>
    </message>
    <message>
        <source>Grado di occupazione (%)</source>
        <translation>Grado de ocupación (%)</translation>
    </message>
    <message>
        <source>Tempo indeterminato</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Tempo determinato</source>
        <translation>Temporal</translation>
    </message>
    <message>
        <source>Apprendistato</source>
        <translation>Aprendizaje</translation>
    </message>
    <message>
        <source>Indipendente</source>
        <translation>Por cuenta propia</translation>
    </message>
    <message>
        <source>Tipo di contratto</source>
        <translation>Tipo de contrato</translation>
    </message>
    <message>
        <source>Nessuna (12 mensilita)</source>
        <translation>Ninguna (12 pagas)</translation>
    </message>
    <message>
        <source>13a mensilita</source>
        <translation>13.ª paga</translation>
    </message>
    <message>
        <source>13a + 14a mensilita</source>
        <translation>13.ª + 14.ª paga</translation>
    </message>
    <message>
        <source>Mensilita aggiuntive</source>
        <translation>Pagas adicionales</translation>
    </message>
    <message>
        <source>Salario mensile</source>
        <translation>Salario mensual</translation>
    </message>
    <message>
        <source>Paga oraria</source>
        <translation>Salario por hora</translation>
    </message>
    <message>
        <source>Tipo di paga</source>
        <translation>Tipo de salario</translation>
    </message>
    <message>
        <source>Salario mensile (CHF)</source>
        <translation>Salario mensual (CHF)</translation>
    </message>
    <message>
        <source>0 = calcola automaticamente</source>
        <translation>0 = calcular automáticamente</translation>
    </message>
    <message>
        <source>LPP trattenuta (CHF)</source>
        <translation>Retención LPP (CHF)</translation>
    </message>
    <message>
        <source>Paga oraria (CHF/h)</source>
        <translation>Salario por hora (CHF/h)</translation>
    </message>
    <message>
        <source>(nessuno)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>CCL applicabile</source>
        <translation>CCL aplicable</translation>
    </message>
    <message>
        <source>Categoria CCL</source>
        <translation>Categoría CCL</translation>
    </message>
    <message>
        <source>Banca</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Posta</source>
        <translation>Correos</translation>
    </message>
    <message>
        <source>Contanti</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Modalita di pagamento</source>
        <translation>Forma de pago</translation>
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
        <translation>Titular de la cuenta</translation>
    </message>
    <message>
        <source>BIC/SWIFT (banche estere)</source>
        <translation>BIC/SWIFT (bancos extranjeros)</translation>
    </message>
    <message>
        <source>BIC/SWIFT</source>
        <translation>BIC/SWIFT</translation>
    </message>
    <message>
        <source>Banca estera</source>
        <translation>Banco extranjero</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Il grado di occupazione &quot;%1&quot; non e&apos; valido: scrivere un numero intero, ad esempio 80.</source>
        <translation>El grado de ocupación &quot;%1&quot; no es válido: escriba un número entero, por ejemplo 80.</translation>
    </message>
    <message>
        <source>Numero AVS non valido.</source>
        <translation>Número AVS no válido.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvataggio non riuscito.</source>
        <translation>No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Dipendente salvato.</source>
        <translation>Empleado guardado.</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Eliminare definitivamente questo dipendente?</source>
        <translation>¿Eliminar definitivamente este empleado?</translation>
    </message>
    <message>
        <source>Eliminazione non riuscita.</source>
        <translation>No se ha podido eliminar.</translation>
    </message>
    <message>
        <source>Eliminato</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Dipendente eliminato.</source>
        <translation>Empleado eliminado.</translation>
    </message>
    <message>
        <source>Anteprima foglio paga</source>
        <translation>Vista previa de la nómina</translation>
    </message>
    <message>
        <source>Anteprima riepilogo annuale</source>
        <translation>Vista previa del resumen anual</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vista previa de las variables del mes</translation>
    </message>
    <message>
        <source>Foglio paga</source>
        <translation>Nómina</translation>
    </message>
    <message>
        <source>Nessun conteggio salvato per %1.</source>
        <translation>No hay ninguna nómina guardada para %1.</translation>
    </message>
    <message>
        <source>Dati non validi</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>El archivo no se sobrescribe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il periodo %2 finisce il %3, prima del suo inizio il %4.</source>
        <translation>&quot;%1&quot;: el período %2 termina el %3, antes de su inicio el %4.</translation>
    </message>
    <message>
        <source>Periodi di rapporto</source>
        <translation>Períodos de relación laboral</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: la data di nascita %2 di %3 e&apos; dopo oggi.</source>
        <translation>&quot;%1&quot;: la fecha de nacimiento %2 de %3 es posterior a hoy.</translation>
    </message>
    <message>
        <source>Figli</source>
        <translation>Hijos</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 non e&apos; un IBAN valido, controlla le cifre.</source>
        <translation>&quot;%1&quot;: %2 no es un IBAN válido, compruebe las cifras.</translation>
    </message>
    <message>
        <source>Lo storico stipendi non viene aggiornato: il dipendente non e&apos; salvato.</source>
        <translation>El historial de salarios no se actualiza: el empleado no se ha guardado.</translation>
    </message>
    <message>
        <source>Dipendente salvato, ma il salario del periodo in corso nello storico stipendi non e&apos; stato aggiornato.</source>
        <translation>Empleado guardado, pero el salario del período en curso en el historial de salarios no se ha actualizado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: i periodi %2 e %3 si sovrappongono: un dipendente ha un solo rapporto alla volta.</source>
        <translation>&quot;%1&quot;: los periodos %2 y %3 se solapan: un empleado tiene una sola relación laboral a la vez.</translation>
    </message>
    <message>
        <source>Lo storico stipendi indica ora %1 per il mese in corso: la scheda mostra questo salario al posto di &quot;%2&quot; scritto prima.</source>
        <translation>El historial de salarios indica ahora %1 para el mes en curso: la ficha muestra este salario en lugar de &quot;%2&quot; escrito antes.</translation>
    </message>
    <message>
        <source>Nessuna tabella dell&apos;imposta alla fonte e&apos; caricata per il cantone %1: la tariffa %2 non puo&apos; essere controllata.</source>
        <translation>No hay ninguna tabla del impuesto en la fuente cargada para el cantón %1: la tarifa %2 no puede comprobarse.</translation>
    </message>
    <message>
        <source>La tariffa %1 non si trova nelle tabelle dell&apos;imposta alla fonte caricate per il cantone %2.</source>
        <translation>La tarifa %1 no se encuentra en las tablas del impuesto en la fuente cargadas para el cantón %2.</translation>
    </message>
    <message>
        <source>Il dipendente viene salvato, ma la chiusura mensile non lo conteggia finche&apos; la sua tariffa non si trova nelle tabelle caricate.</source>
        <translation>El empleado se guarda, pero el cierre mensual no lo calcula mientras su tarifa no se encuentre en las tablas cargadas.</translation>
    </message>
    <message>
        <source>Stampa da verificare: lo storico paghe non si e&apos; letto del tutto o il mese non e&apos; il conteggio attuale.</source>
        <translation>Impresión por verificar: el historial de nóminas no se leyó por completo o el mes no es el cálculo actual.</translation>
    </message>
    <message>
        <source>Il file delle tariffe del cantone %1 contiene la tariffa %2 danneggiata o in contraddizione con se stessa: non viene usata.</source>
        <translation>El archivo de tarifas del cantón %1 contiene la tarifa %2 dañada o contradictoria: no se usa.</translation>
    </message>
    <message>
        <source>Mesi che l&apos;ultima chiusura non ha potuto conteggiare, non pagati e esclusi dai totali:</source>
        <translation>Meses que el último cierre no pudo liquidar, no pagados y excluidos de los totales:</translation>
    </message>
    <message>
        <source>%1 non e&apos; stato pagato: l&apos;ultima chiusura del mese non ha potuto conteggiarlo.
%2

Il foglio paga si stampa quando una chiusura conteggia di nuovo il mese.</source>
        <translation>%1 no se pagó: el último cierre del mes no pudo liquidarlo.
%2

La nómina se imprime cuando un cierre vuelve a liquidar el mes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: il %2 non e&apos; prima di oggi.</source>
        <translation>&quot;%1&quot;: el %2 no es anterior a hoy.</translation>
    </message>
    <message>
        <source>Dipendente modificato altrove</source>
        <translation>Empleado modificado en otra ventana</translation>
    </message>
    <message>
        <source>Dopo l&apos;apertura di questa scheda un&apos;altra finestra ha salvato %1. Quello che ha cambiato resta; questi campi sono stati cambiati sia li&apos; sia qui:
%2

Salvare in questi campi i valori di questa scheda?</source>
        <translation>Después de abrir esta ficha, otra ventana guardó %1. Lo que cambió se mantiene; estos campos se cambiaron allí y aquí:
%2

¿Guardar en estos campos los valores de esta ficha?</translation>
    </message>
    <message>
        <source>Salva i valori della scheda</source>
        <translation>Guardar los valores de la ficha</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>N° AVS</source>
        <translation>N.º AVS</translation>
    </message>
</context>
<context>
    <name>SchedaVariabiliDipendente</name>
    <message>
        <source>Ore lavorate normali</source>
        <translation>Horas normales trabajadas</translation>
    </message>
    <message>
        <source>Ore extra 25%</source>
        <translation>Horas extra 25%</translation>
    </message>
    <message>
        <source>Ore extra 50%</source>
        <translation>Horas extra 50%</translation>
    </message>
    <message>
        <source>Rimborso malattia (CHF)</source>
        <translation>Reembolso enfermedad (CHF)</translation>
    </message>
    <message>
        <source>Rimborso infortunio (CHF)</source>
        <translation>Reembolso accidente (CHF)</translation>
    </message>
    <message>
        <source>Rimborso IPG (CHF)</source>
        <translation>Reembolso IPG (CHF)</translation>
    </message>
    <message>
        <source>Rimborso spese (CHF)</source>
        <translation>Reembolso de gastos (CHF)</translation>
    </message>
    <message>
        <source>Acconti (CHF)</source>
        <translation>Anticipos (CHF)</translation>
    </message>
    <message>
        <source>Rimborso prestiti (CHF)</source>
        <translation>Reembolso de préstamos (CHF)</translation>
    </message>
    <message>
        <source>Trattenute UEF (CHF)</source>
        <translation>Retenciones UEF (CHF)</translation>
    </message>
    <message>
        <source>Vacanze prese (gg)</source>
        <translation>Vacaciones disfrutadas (días)</translation>
    </message>
    <message>
        <source>Importi imponibili / straordinari (CHF)</source>
        <translation>Importes imponibles / extraordinarios (CHF)</translation>
    </message>
    <message>
        <source>Importi non imponibili (CHF)</source>
        <translation>Importes no imponibles (CHF)</translation>
    </message>
    <message>
        <source>Rimborso trasferte (CHF)</source>
        <translation>Reembolso de desplazamientos (CHF)</translation>
    </message>
    <message>
        <source>Deduzione assenze (CHF)</source>
        <translation>Deducción por ausencias (CHF)</translation>
    </message>
    <message>
        <source>Rimborso assicurativo (CHF)</source>
        <translation>Reembolso de seguros (CHF)</translation>
    </message>
    <message>
        <source>13a / Gratifica (CHF)</source>
        <translation>13.ª / Gratificación (CHF)</translation>
    </message>
    <message>
        <source>Variabili mensili dipendente - %1 %2</source>
        <translation>Variables mensuales del empleado - %1 %2</translation>
    </message>
    <message>
        <source>Salario orario (CHF %1/h)</source>
        <translation>Salario por hora (CHF %1/h)</translation>
    </message>
    <message>
        <source>Stipendio mensile (CHF %1/mese)</source>
        <translation>Salario mensual (CHF %1/mes)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dipendente:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N° AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contratto:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Empleado:&lt;/b&gt; %1 %2 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;N.º AVS:&lt;/b&gt; %3 &amp;nbsp;&amp;nbsp;|&amp;nbsp;&amp;nbsp; &lt;b&gt;Contrato:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Anno:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Mese da inserire:</source>
        <translation>Mes que se introduce:</translation>
    </message>
    <message>
        <source>Dati variabili del mese selezionato</source>
        <translation>Datos variables del mes seleccionado</translation>
    </message>
    <message>
        <source>Note / Descrizione:</source>
        <translation>Notas / Descripción:</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Ore fatte</source>
        <translation>Horas hechas</translation>
    </message>
    <message>
        <source>Ore extra tot.</source>
        <translation>Horas extra tot.</translation>
    </message>
    <message>
        <source>Rimborsi (CHF)</source>
        <translation>Reembolsos (CHF)</translation>
    </message>
    <message>
        <source>Vacanze (gg)</source>
        <translation>Vacaciones (días)</translation>
    </message>
    <message>
        <source>Imponibili (CHF)</source>
        <translation>Imponibles (CHF)</translation>
    </message>
    <message>
        <source>Non impon. (CHF)</source>
        <translation>No impon. (CHF)</translation>
    </message>
    <message>
        <source>13a/Gratifica</source>
        <translation>13.ª/Gratificación</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Stampa riepilogo PDF...</source>
        <translation>Imprimir resumen PDF...</translation>
    </message>
    <message>
        <source>Salva mese</source>
        <translation>Guardar mes</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Attenzione: le ore extra inserite superano i limiti della Legge federale sul lavoro (art. 12 LL):

- Ore extra nel mese: %1 h (soglia mensile prudenziale: 40 h)
- Totale ore extra nell&apos;anno %2: %3 h (limite legale: 140 h/anno, o 170 h/anno per settimana di 45 h)

Vuoi comunque salvare questi dati a tuo rischio e pericolo?</source>
        <translation>Atención: las horas extra introducidas superan los límites de la Ley federal sobre el trabajo (art. 12 LL):

- Horas extra en el mes: %1 h (umbral mensual prudencial: 40 h)
- Total de horas extra en el año %2: %3 h (límite legal: 140 h/año, o 170 h/año para semanas de 45 h)

¿Desea guardar estos datos de todos modos bajo su propia responsabilidad?</translation>
    </message>
    <message>
        <source>AVVISO IMPORTANTE - Limite legale ore straordinarie (art. 12 LL)</source>
        <translation>AVISO IMPORTANTE - Límite legal de horas extraordinarias (art. 12 LL)</translation>
    </message>
    <message>
        <source>Salva a mio rischio e pericolo</source>
        <translation>Guardar bajo mi responsabilidad</translation>
    </message>
    <message>
        <source>Annulla e correggi</source>
        <translation>Cancelar y corregir</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>L&apos;anno %1 e&apos; chiuso: le variabili non possono essere modificate.</source>
        <translation>El año %1 está cerrado: las variables no se pueden modificar.</translation>
    </message>
    <message>
        <source>Impossibile salvare le variabili.</source>
        <translation>No se han podido guardar las variables.</translation>
    </message>
    <message>
        <source>Salvato</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Variabili di %1 %2 salvate.</source>
        <translation>Variables de %1 %2 guardadas.</translation>
    </message>
    <message>
        <source>Anteprima variabili mese</source>
        <translation>Vista previa de las variables del mes</translation>
    </message>
    <message>
        <source>Ore lavorate del mese (normali e extra)</source>
        <translation>Horas trabajadas del mes (normales y extra)</translation>
    </message>
</context>
<context>
    <name>StoricoPaghe</name>
    <message>
        <source>L&apos;esercizio %1 è chiuso.</source>
        <translation>El ejercicio %1 está cerrado.</translation>
    </message>
    <message>
        <source>Mese non valido.</source>
        <translation>Mes no válido.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>El código del empleado no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>Un importo del mese non è un numero valido: il mese non viene salvato.</source>
        <translation>Un importe del mes no es un número válido: el mes no se guarda.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
    <message>
        <source>importo non valido per %1: &quot;%2&quot;</source>
        <translation>importe no válido para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>mese non valido: [%1]</source>
        <translation>mes no válido: [%1]</translation>
    </message>
    <message>
        <source>mese senza motivo: [%1]</source>
        <translation>mes sin motivo: [%1]</translation>
    </message>
    <message>
        <source>riga non valida: %1</source>
        <translation>línea no válida: %1</translation>
    </message>
    <message>
        <source>assegni dei figli senza cantone: [%1]</source>
        <translation>asignaciones de los hijos sin cantón: [%1]</translation>
    </message>
    <message>
        <source>cantone degli assegni senza figli</source>
        <translation>cantón de las asignaciones sin hijos</translation>
    </message>
    <message>
        <source>gli assegni dei figli (%1) non danno gli assegni familiari del mese (%2): [%3]</source>
        <translation>las asignaciones de los hijos (%1) no dan las asignaciones familiares del mes (%2): [%3]</translation>
    </message>
    <message>
        <source>cantone non valido: &quot;%1&quot;</source>
        <translation>cantón no válido: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>figlio fuori sequenza: %1</source>
        <translation>hijo fuera de secuencia: %1</translation>
    </message>
    <message>
        <source>età non valida per %1: &quot;%2&quot;</source>
        <translation>edad no válida para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>tipo di assegno non valido per %1: &quot;%2&quot;</source>
        <translation>tipo de asignación no válido para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>data di nascita non valida per %1: &quot;%2&quot;</source>
        <translation>fecha de nacimiento no válida para %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Gli assegni dei figli del mese non sono validi: il mese non viene salvato.</source>
        <translation>Las asignaciones de los hijos del mes no son válidas: el mes no se guarda.</translation>
    </message>
</context>
<context>
    <name>StoricoStipendi</name>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>El código del empleado no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>Valori non validi (%1): lo storico non viene salvato.</source>
        <translation>Valores no válidos (%1): el historial no se guarda.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 non e&apos; un numero valido</source>
        <translation>%1 no es un número válido</translation>
    </message>
    <message>
        <source>carattere nullo</source>
        <translation>carácter nulo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non e&apos; una riga dello storico</source>
        <translation>&quot;%1&quot; no es una línea del historial</translation>
    </message>
    <message>
        <source>%1 ripetuto (gia&apos; alla riga %2)</source>
        <translation>%1 repetido (ya en la línea %2)</translation>
    </message>
    <message>
        <source>%1 non e&apos; 0 o 1</source>
        <translation>%1 no es 0 ni 1</translation>
    </message>
    <message>
        <source>il periodo %1 non ha dataInizio</source>
        <translation>el período %1 no tiene dataInizio</translation>
    </message>
    <message>
        <source>movimenti del periodo %1, che non c&apos;e&apos;</source>
        <translation>movimientos del período %1, que no existe</translation>
    </message>
    <message>
        <source>Il file %1 non si legge per intero: %2.</source>
        <translation>El archivo %1 no se puede leer por completo: %2.</translation>
    </message>
</context>
<context>
    <name>VariabiliMensili</name>
    <message>
        <source>Il file %1 contiene valori non validi: %2.</source>
        <translation>El archivo %1 contiene valores no válidos: %2.</translation>
    </message>
    <message>
        <source>L&apos;esercizio %1 è chiuso: le variabili non si possono modificare.</source>
        <translation>El ejercicio %1 está cerrado: las variables no se pueden modificar.</translation>
    </message>
    <message>
        <source>Mancano dei mesi: le variabili non vengono salvate.</source>
        <translation>Faltan meses: las variables no se guardan.</translation>
    </message>
    <message>
        <source>Codice dipendente non utilizzabile come nome di file.</source>
        <translation>El código del empleado no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>Valore non valido in %1/%2: le variabili non vengono salvate.</source>
        <translation>Valor no válido en %1/%2: las variables no se guardan.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto.</source>
        <translation>El archivo no se sobrescribe.</translation>
    </message>
    <message>
        <source>Il file non viene sovrascritto: correggerlo prima di salvare.</source>
        <translation>El archivo no se sobrescribe: corríjalo antes de guardar.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se ha podido escribir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 (riga %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
</context>
</TS>
