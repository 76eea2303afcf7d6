// clang-format off
#include "Language.h"

// [row][language]: Dutch, English, German, French, Spanish, Portuguese,
// Italian, Finnish, Hungarian, Turkish, Russian.
// Entries are glued to numbers and names without placeholders, so leading and
// trailing blanks are part of the text and must stay where they are.
const char* const TextCatalogue[nrofTextRows][nrofLanguages] = {
    // txtVersie
    {"Versie ", "Version ", "Version ", "Version ", "Versión ", "Versão ", "Versione ", "Versio ", "Verzió ", "Sürüm ", "Версия "},
    // txtOpwaarderen1
    {"opwaarderen ", "updating ", "Aktualisierung von ", "mise à jour de ", "actualizando ", "atualizando ", "aggiornamento di ", "päivitetään ", "frissítés: ", "güncelleniyor: ", "обновление "},
    // txtOpwaarderen2
    {" naar ", " to ", " auf ", " vers ", " a ", " para ", " a ", " versioon ", " → ", " → ", " до"},
    // txtAnnuleren
    {"annuleren", "cancel", "abbrechen", "annuler", "cancelar", "cancelar", "annulla", "peruuta", "mégse", "iptal", "отмена"},
    // txtBestand
    {"instellingen", "settings", "Einstellungen", "paramètres", "configuraciones", "configurações", "impostazioni", "asetukset", "beállítások", "ayarlar", "настройки"},
    // txtOudModel
    {"codeschijfjes", "code wheels", "Codierräder", "roues codeuses", "ruedas de código", "rodas de código", "rotelle codice", "koodikiekot", "kódtárcsák", "kod çarkları", "кодовые диски"},
    // txtHints
    {"toon hints", "show hints", "Hinweise zeigen", "afficher les aides", "mostrar ayudas", "mostrar dicas", "mostra suggerimenti", "näytä vihjeet", "tippek mutatása", "ipuçlarını göster", "показывать подсказки"},
    // txtIntTaal
    {"taalkeuze", "language", "Sprache", "langue", "idioma", "idioma", "lingua", "kieli", "nyelv", "dil", "язык"},
    // txtJa
    {"ja", "yes", "ja", "oui", "sí", "sim", "sì", "kyllä", "igen", "evet", "да"},
    // txtNee
    {"nee", "no", "nein", "non", "no", "não", "no", "ei", "nem", "hayır", "нет"},
    // txtLocatie
    {"locatie", "location", "Standort", "position", "ubicación", "localização", "posizione", "sijainti", "helyszín", "konum", "местоположение"},
    // txtLand
    {"land", "country", "Land", "pays", "país", "país", "paese", "maa", "ország", "ülke", "страна"},
    // txtPlaats
    {"plaats", "city", "Ort", "ville", "ciudad", "cidade", "città", "paikkakunta", "város", "şehir", "город"},
    // txtZonOp
    {"zon op", "sun rise", "Sonnenaufgang", "lever du soleil", "salida del sol", "nascer do sol", "alba", "auringonnousu", "napkelte", "gün doğumu", "восход"},
    // txtZonOnder
    {"zon onder", "sun set", "Sonnenuntergang", "coucher du soleil", "puesta del sol", "pôr do sol", "tramonto", "auringonlasku", "napnyugta", "gün batımı", "закат"},
    // txtWintertijd
    {"wintertijd", "standard time", "Winterzeit", "heure d'hiver", "horario de invierno", "horário de inverno", "ora solare", "talviaika", "téli időszámítás", "kış saati", "зимнее время"},
    // txtZomertijd
    {"zomertijd", "daylight saving time", "Sommerzeit", "heure d'été", "horario de verano", "horário de verão", "ora legale", "kesäaika", "nyári időszámítás", "yaz saati", "летнее время"},
    // txtLaden
    {"laden", "load", "laden", "charger", "cargar", "carregar", "carica", "lataa", "betöltés", "yükle", "загрузить"},
    // txtOpslaan
    {"opslaan", "save", "speichern", "enregistrer", "guardar", "salvar", "salva", "tallenna", "mentés", "kaydet", "сохранить"},
    // txtVerwijderen
    {"verwijderen", "delete", "löschen", "supprimer", "eliminar", "excluir", "elimina", "poista", "törlés", "sil", "удалить"},
    // txtExport
    {"exporteren", "export", "exportieren", "exporter", "exportar", "exportar", "esporta", "vie", "exportálás", "dışa aktar", "экспорт"},
    // txtImport
    {"importeren", "import", "importieren", "importer", "importar", "importar", "importa", "tuo", "importálás", "içe aktar", "импорт"},
    // txtHuidigOpslaan
    {"huidige instellingen opslaan als", "save current settings as", "aktuelle Einstellungen speichern als", "enregistrer les paramètres actuels sous", "guardar la configuración actual como", "salvar as configurações atuais como", "salva le impostazioni attuali come", "tallenna nykyiset asetukset nimellä", "a jelenlegi beállítások mentése ezen a néven:", "geçerli ayarları şu adla kaydet:", "сохранить текущие настройки как"},
    // txtExpAanwijzing
    {"kies de locatie voor de Zolvo back up", "select the location for the Zolvo back up", "Speicherort für die Zolvo-Sicherung wählen", "choisissez l'emplacement de la sauvegarde Zolvo", "elija la ubicación de la copia de seguridad de Zolvo", "escolha o local do backup do Zolvo", "scegli dove salvare il backup Zolvo", "valitse Zolvo-varmuuskopion sijainti", "válassza ki a Zolvo biztonsági mentés helyét", "Zolvo yedeği için konum seçin", "выберите место для резервной копии Zolvo"},
    // txtImpAanwijzing (the folder name itself is fixed, so it stays untranslated)
    {"selecteer de map Zolvo back up", "select the folder Zolvo back up", "Ordner 'Zolvo back up' auswählen", "sélectionnez le dossier 'Zolvo back up'", "seleccione la carpeta 'Zolvo back up'", "selecione a pasta 'Zolvo back up'", "seleziona la cartella 'Zolvo back up'", "valitse kansio 'Zolvo back up'", "válassza ki a 'Zolvo back up' mappát", "'Zolvo back up' klasörünü seçin", "выберите папку 'Zolvo back up'"},
    // txtOL
    {"oosterlengte", "east longitude", "östliche Länge", "longitude est", "longitud este", "longitude leste", "longitudine est", "itäinen pituus", "keleti hosszúság", "doğu boylamı", "восточная долгота"},
    // txtWL
    {"westerlengte", "west longitude", "westliche Länge", "longitude ouest", "longitud oeste", "longitude oeste", "longitudine ovest", "läntinen pituus", "nyugati hosszúság", "batı boylamı", "западная долгота"},
    // txtNB
    {"noorderbreedte", "north latitude", "nördliche Breite", "latitude nord", "latitud norte", "latitude norte", "latitudine nord", "pohjoinen leveys", "északi szélesség", "kuzey enlemi", "северная широта"},
    // txtZB
    {"zuiderbreedte", "south latitude", "südliche Breite", "latitude sud", "latitud sur", "latitude sul", "latitudine sud", "eteläinen leveys", "déli szélesség", "güney enlemi", "южная широта"},
    // txtLetOp
    {"Let op!", "Attention!", "Achtung!", "Attention !", "¡Atención!", "Atenção!", "Attenzione!", "Huomio!", "Figyelem!", "Dikkat!", "Внимание!"},
    // txtLetOpVerwijder
    {"De instellingen wordt definitief verwijderd:", "These settings will be removed permanently:", "Diese Einstellungen werden endgültig gelöscht:", "Ces paramètres seront définitivement supprimés :", "Esta configuración se eliminará definitivamente:", "Estas configurações serão excluídas permanentemente:", "Queste impostazioni verranno eliminate definitivamente:", "Nämä asetukset poistetaan pysyvästi:", "Ezek a beállítások véglegesen törlődnek:", "Bu ayarlar kalıcı olarak silinecek:", "Эти настройки будут удалены безвозвратно:"},
    // txtNietAangesloten
    {"De Zolvo is niet aangesloten", "The Zolvo is not connected", "Zolvo ist nicht angeschlossen", "Le Zolvo n'est pas connecté", "El Zolvo no está conectado", "O Zolvo não está conectado", "Lo Zolvo non è collegato", "Zolvo ei ole yhteydessä", "A Zolvo nincs csatlakoztatva", "Zolvo bağlı değil", "Zolvo не подключён"},
    // txtGeenCode
    {"Apparaat heeft nog geen code", "Device has no code", "Gerät hat noch keinen Code", "L'appareil n'a pas de code", "El aparato no tiene código", "O aparelho não tem código", "L'apparecchio non ha un codice", "Laitteella ei ole koodia", "A készüléknek nincs kódja", "Cihazın kodu yok", "У устройства нет кода"},
    // txtTestVersie
    {"Firmware: ", "Firmware: ", "Firmware: ", "Micrologiciel : ", "Firmware: ", "Firmware: ", "Firmware: ", "Laiteohjelmisto: ", "Firmware: ", "Donanım yazılımı: ", "Прошивка: "},
    // txtPlaatsHint
    {"Kies een plaatsnaam\rof 'mijn locatie'", "Select a city\ror 'my location'", "Wählen Sie einen Ort\roder 'mein Standort'", "Choisissez une ville\rou 'ma position'", "Elija una ciudad\ro 'mi ubicación'", "Escolha uma cidade\rou 'minha localização'", "Scegli una città\ro 'la mia posizione'", "Valitse paikkakunta\rtai 'oma sijainti'", "Válasszon várost\rvagy a 'saját helyszín' elemet", "Bir şehir seçin\rveya 'konumum'", "Выберите город\rили 'моё местоположение'"},
    // txtCoordsHint
    {"Kies 'mijn locatie' bij -plaats-\rom coördinaten in te stellen", "Select 'my location' under -city-\rto change coorditates", "Unter -Ort- 'mein Standort' wählen,\rum Koordinaten einzustellen", "Choisissez 'ma position' sous -ville-\rpour modifier les coordonnées", "Elija 'mi ubicación' en -ciudad-\rpara cambiar las coordenadas", "Escolha 'minha localização' em -cidade-\rpara alterar as coordenadas", "Scegli 'la mia posizione' in -città-\rper modificare le coordinate", "Valitse kohdasta -paikkakunta- 'oma sijainti'\rkoordinaattien muuttamiseksi", "A koordináták módosításához válassza\ra -város- listában a 'saját helyszín' elemet", "Koordinatları değiştirmek için\r-şehir- listesinde 'konumum' seçin", "Выберите 'моё местоположение' в поле -город-,\rчтобы изменить координаты"},
    // txtMijnLocatie
    {"mijn locatie", "my location", "mein Standort", "ma position", "mi ubicación", "minha localização", "la mia posizione", "oma sijainti", "saját helyszín", "konumum", "моё местоположение"},
    // txtVorigeConfig
    {"vorige configuratie", "previous configuration", "vorherige Konfiguration", "configuration précédente", "configuración anterior", "configuração anterior", "configurazione precedente", "edellinen kokoonpano", "előző konfiguráció", "önceki yapılandırma", "предыдущая конфигурация"},
    // txtRuimtes
    {"ruimtes", "rooms", "Räume", "pièces", "habitaciones", "cômodos", "stanze", "huoneet", "szobák", "odalar", "комнаты"},
    // txtApparaten
    {"apparaten", "devices", "Geräte", "appareils", "aparatos", "aparelhos", "apparecchi", "laitteet", "készülékek", "cihazlar", "устройства"},
    // txtAfsluiten
    {"afsluiten", "exit", "beenden", "quitter", "salir", "sair", "esci", "lopeta", "kilépés", "çıkış", "выход"},
    // txtOK
    {"OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "OK", "Tamam", "ОК"},
    // txtExtra
    {"extra", "extra", "Extras", "extras", "extras", "extras", "extra", "lisävalinnat", "extrák", "ekstra", "дополнительно"},
    // txtScenes
    {"scenes", "scenes", "Szenen", "scènes", "escenas", "cenas", "scene", "kohtaukset", "jelenetek", "sahneler", "сцены"},
    // txtTimer
    {"timer", "timer", "Timer", "minuterie", "temporizador", "temporizador", "timer", "ajastin", "időzítő", "zamanlayıcı", "таймер"},
    // txtAan
    {"aan", "on", "ein", "allumer", "encender", "ligar", "accendi", "päälle", "be", "aç", "включить"},
    // txtDimstand
    {"dimstand", "dim value", "Dimmstufe", "intensité", "intensidad", "intensidade", "intensità", "himmennys", "fényerő", "parlaklık", "яркость"},
    // txtUit
    {"uit", "off", "aus", "éteindre", "apagar", "desligar", "spegni", "pois", "ki", "kapat", "выключить"},
    // txtDubbelklikHint
    {"Dubbelklik om in te stellen", "Double click to edit", "Doppelklick zum Bearbeiten", "Double-cliquez pour modifier", "Doble clic para editar", "Clique duas vezes para editar", "Doppio clic per modificare", "Kaksoisnapsauta muokataksesi", "Dupla kattintás a szerkesztéshez", "Düzenlemek için çift tıklayın", "Двойной щелчок для изменения"},
    // txtDagDatum
    {"<dag/datum>", "<day/date>", "<Tag/Datum>", "<jour/date>", "<día/fecha>", "<dia/data>", "<giorno/data>", "<päivä/pvm>", "<nap/dátum>", "<gün/tarih>", "<день/дата>"},
    // txtMaand
    {"<maand>", "<month>", "<Monat>", "<mois>", "<mes>", "<mês>", "<mese>", "<kuukausi>", "<hónap>", "<ay>", "<месяц>"},
    // txtVoorZonOp
    {" min voor zon op", " before sun rise", " Min. vor Sonnenaufgang", " min avant le lever du soleil", " min antes de la salida del sol", " min antes do nascer do sol", " min prima dell'alba", " min ennen auringonnousua", " perccel napkelte előtt", " dk gün doğumundan önce", " мин до восхода"},
    // txtNaZonOp
    {" min na zon op", " after sun rise", " Min. nach Sonnenaufgang", " min après le lever du soleil", " min después de la salida del sol", " min após o nascer do sol", " min dopo l'alba", " min auringonnousun jälkeen", " perccel napkelte után", " dk gün doğumundan sonra", " мин после восхода"},
    // txtVoorZonOnder
    {" min voor zon onder", " before sun set", " Min. vor Sonnenuntergang", " min avant le coucher du soleil", " min antes de la puesta del sol", " min antes do pôr do sol", " min prima del tramonto", " min ennen auringonlaskua", " perccel napnyugta előtt", " dk gün batımından önce", " мин до заката"},
    // txtNaZonOnder
    {" min na zon onder", " after sun set", " Min. nach Sonnenuntergang", " min après le coucher du soleil", " min después de la puesta del sol", " min após o pôr do sol", " min dopo il tramonto", " min auringonlaskun jälkeen", " perccel napnyugta után", " dk gün batımından sonra", " мин после заката"},
    // txtTijd
    {"<tijd>", "<time>", "<Zeit>", "<heure>", "<hora>", "<hora>", "<ora>", "<aika>", "<idő>", "<saat>", "<время>"},
    // txtTussen1
    {"tussen ", "between ", "zwischen ", "entre ", "entre ", "entre ", "tra ", "klo\t", "időszak: ", "aralık: ", "между "},
    // txtTussen2
    {" en ", " and ", " und ", " et ", " y ", " e ", " e ", " – ", " – ", " – ", " и "},
    // txtUitvoeren
    {"uitvoeren", "execute", "ausführen", "exécuter", "ejecutar", "executar", "esegui", "suorita", "végrehajtás", "çalıştır", "выполнить"},
    // txtDim
    {"dim ", "dim ", "dimmen ", "intensité ", "intensidad\t", "intensidade ", "intensità ", "himmennys ", "fényerő ", "parlaklık ", "яркость "},
    // txtZo
    {"zo ", "Su ", "So ", "di ", "do ", "dom ", "do ", "su ", "V ", "Pz ", "вс "},
    // txtMa
    {"ma ", "Mo ", "Mo ", "lu ", "lu ", "seg ", "lu ", "ma ", "H ", "Pt ", "пн "},
    // txtDi
    {"di ", "Tu ", "Di ", "ma ", "ma ", "ter ", "ma ", "ti ", "K ", "Sa ", "вт "},
    // txtWo
    {"wo ", "We ", "Mi ", "me ", "mi ", "qua ", "me ", "ke ", "Sze ", "Ça ", "ср "},
    // txtDo
    {"do ", "Th ", "Do ", "je ", "ju ", "qui ", "gi ", "to ", "Cs ", "Pe ", "чт "},
    // txtVr
    {"vr ", "Fr ", "Fr ", "ve ", "vi ", "sex ", "ve ", "pe ", "P ", "Cu ", "пт "},
    // txtZa
    {"za ", "Sa ", "Sa ", "sa ", "sá ", "sáb ", "sa ", "la ", "Szo ", "Ct ", "сб "},
    // txtProgTimer
    {"timer instellen", "program timer", "Timer programmieren", "programmer la minuterie", "programar temporizador", "programar temporizador", "programma timer", "ajastimen ohjelmointi", "időzítő beállítása", "zamanlayıcıyı ayarla", "настройка таймера"},
    // txtTimerRuimte
    {"timer: ruimte", "timer: rooms", "Timer: Räume", "minuterie : pièces", "temporizador: habitaciones", "temporizador: cômodos", "timer: stanze", "ajastin: huoneet", "időzítő: szobák", "zamanlayıcı: odalar", "таймер: комнаты"},
    // txtTimerApparaten
    {"timer: apparaat", "timer: devices", "Timer: Geräte", "minuterie : appareils", "temporizador: aparatos", "temporizador: aparelhos", "timer: apparecchi", "ajastin: laitteet", "időzítő: készülékek", "zamanlayıcı: cihazlar", "таймер: устройства"},
    // txtTimerScenes
    {"timer: scenes", "timer: scenes", "Timer: Szenen", "minuterie : scènes", "temporizador: escenas", "temporizador: cenas", "timer: scene", "ajastin: kohtaukset", "időzítő: jelenetek", "zamanlayıcı: sahneler", "таймер: сцены"},
    // txtTimerHint
    {"Dubbelklik om in te stellen", "Double click to set up", "Doppelklick zum Einstellen", "Double-cliquez pour régler", "Doble clic para configurar", "Clique duas vezes para configurar", "Doppio clic per impostare", "Kaksoisnapsauta asettaaksesi", "Dupla kattintás a beállításhoz", "Ayarlamak için çift tıklayın", "Двойной щелчок для настройки"},
    // txtTmrSelAppHint
    {"Dubbelklik voor ander apparaat", "Double click for other device", "Doppelklick für anderes Gerät", "Double-cliquez pour un autre appareil", "Doble clic para otro aparato", "Clique duas vezes para outro aparelho", "Doppio clic per un altro apparecchio", "Kaksoisnapsauta vaihtaaksesi laitetta", "Dupla kattintás másik készülékhez", "Başka cihaz için çift tıklayın", "Двойной щелчок — другое устройство"},
    // txtTmrSelScHint
    {"Dubbelklik voor andere scene", "Double click for other scene", "Doppelklick für andere Szene", "Double-cliquez pour une autre scène", "Doble clic para otra escena", "Clique duas vezes para outra cena", "Doppio clic per un'altra scena", "Kaksoisnapsauta vaihtaaksesi kohtausta", "Dupla kattintás másik jelenethez", "Başka sahne için çift tıklayın", "Двойной щелчок — другая сцена"},
    // txtOpgewaardeerd1
    {" is opgewaardeerd", " has been updated", " wurde aktualisiert", " a été mis à jour", " se ha actualizado", " foi atualizado", " è stato aggiornato", " on päivitetty", " frissült", " güncellendi", " обновлён"},
    // txtOpgewaardeerd2
    {"en is klaar voor gebruik", "and is ready for use", "und ist betriebsbereit", "et est prêt à l'emploi", "y está listo para usar", "e está pronto para uso", "ed è pronto all'uso", "ja on käyttövalmis", "és használatra kész", "ve kullanıma hazır", "и готов к работе"},
    // txtTerug
    {"terug", "back", "zurück", "retour", "atrás", "voltar", "indietro", "takaisin", "vissza", "geri", "назад"},
    // txtProgSelAktie
    {"actie", "Command", "Aktion", "action", "acción", "ação", "azione", "toiminto", "művelet", "eylem", "действие"},
    // txtWakeUp
    {"wake-up", "wake-up", "Wecken", "réveil", "despertar", "despertar", "sveglia", "herätys", "ébresztés", "uyandırma", "пробуждение"},
    // txtDayDateDays
    {"weekdagen", "week days", "Wochentage", "jours", "días", "dias", "giorni", "viikonpäivät", "hét napjai", "günler", "дни недели"},
    // txtDayDateDate
    {"datum", "date", "Datum", "date", "fecha", "data", "data", "päivämäärä", "dátum", "tarih", "дата"},
    // txtElkeDag
    {"elke dag", "every day", "jeden Tag", "tous les jours", "todos los días", "todos os dias", "ogni giorno", "joka päivä", "minden nap", "her gün", "каждый день"},
    // txtMaandag
    {"maandag", "Monday", "Montag", "lundi", "lunes", "segunda-feira", "lunedì", "maanantai", "hétfő", "Pazartesi", "понедельник"},
    // txtDinsdag
    {"dinsdag", "Tuesday", "Dienstag", "mardi", "martes", "terça-feira", "martedì", "tiistai", "kedd", "Salı", "вторник"},
    // txtWoensdag
    {"woensdag", "Wednesday", "Mittwoch", "mercredi", "miércoles", "quarta-feira", "mercoledì", "keskiviikko", "szerda", "Çarşamba", "среда"},
    // txtDonderdag
    {"donderdag", "Thursday", "Donnerstag", "jeudi", "jueves", "quinta-feira", "giovedì", "torstai", "csütörtök", "Perşembe", "четверг"},
    // txtVrijdag
    {"vrijdag", "Friday", "Freitag", "vendredi", "viernes", "sexta-feira", "venerdì", "perjantai", "péntek", "Cuma", "пятница"},
    // txtZaterdag
    {"zaterdag", "Saturday", "Samstag", "samedi", "sábado", "sábado", "sabato", "lauantai", "szombat", "Cumartesi", "суббота"},
    // txtZondag
    {"zondag", "Sunday", "Sonntag", "dimanche", "domingo", "domingo", "domenica", "sunnuntai", "vasárnap", "Pazar", "воскресенье"},
    // txtProgSelMonth
    {"maand", "month", "Monat", "mois", "mes", "mês", "mese", "kuukausi", "hónap", "ay", "месяц"},
    // txtJanuari
    {"januari", "January", "Januar", "janvier", "enero", "janeiro", "gennaio", "tammikuu", "január", "Ocak", "январь"},
    // txtFebruari
    {"februari", "February", "Februar", "février", "febrero", "fevereiro", "febbraio", "helmikuu", "február", "Şubat", "февраль"},
    // txtMaart
    {"maart", "March", "März", "mars", "marzo", "março", "marzo", "maaliskuu", "március", "Mart", "март"},
    // txtApril
    {"april", "April", "April", "avril", "abril", "abril", "aprile", "huhtikuu", "április", "Nisan", "апрель"},
    // txtMei
    {"mei", "May", "Mai", "mai", "mayo", "maio", "maggio", "toukokuu", "május", "Mayıs", "май"},
    // txtJuni
    {"juni", "June", "Juni", "juin", "junio", "junho", "giugno", "kesäkuu", "június", "Haziran", "июнь"},
    // txtJuli
    {"juli", "July", "Juli", "juillet", "julio", "julho", "luglio", "heinäkuu", "július", "Temmuz", "июль"},
    // txtAugustus
    {"augustus", "August", "August", "août", "agosto", "agosto", "agosto", "elokuu", "augusztus", "Ağustos", "август"},
    // txtSeptember
    {"september", "September", "September", "septembre", "septiembre", "setembro", "settembre", "syyskuu", "szeptember", "Eylül", "сентябрь"},
    // txtOktober
    {"oktober", "October", "Oktober", "octobre", "octubre", "outubro", "ottobre", "lokakuu", "október", "Ekim", "октябрь"},
    // txtNovember
    {"november", "November", "November", "novembre", "noviembre", "novembro", "novembre", "marraskuu", "november", "Kasım", "ноябрь"},
    // txtDecember
    {"december", "December", "Dezember", "décembre", "diciembre", "dezembro", "dicembre", "joulukuu", "december", "Aralık", "декабрь"},
    // txtElkeMaand
    {"elke maand", "every month", "jeden Monat", "tous les mois", "todos los meses", "todos os meses", "ogni mese", "joka kuukausi", "minden hónap", "her ay", "каждый месяц"},
    // txtRndHint
    {"Maximaal aantal random akties bereikt.", "Maximum number of random actions reached", "Maximale Anzahl zufälliger Aktionen erreicht", "Nombre maximal d'actions aléatoires atteint", "Se alcanzó el número máximo de acciones aleatorias", "Número máximo de ações aleatórias atingido", "Raggiunto il numero massimo di azioni casuali", "Satunnaisten toimintojen enimmäismäärä saavutettu", "Elérte a véletlen műveletek maximális számát", "En fazla rastgele eylem sayısına ulaşıldı", "Достигнуто максимальное число случайных действий"},
    // txtTijdstip
    {"tijdstip", "time", "Uhrzeit", "heure", "hora", "horário", "orario", "kellonaika", "időpont", "saat", "время"},
    // txtVasteTijd
    {"vaste tijd", "fixed time", "feste Zeit", "heure fixe", "hora fija", "horário fixo", "orario fisso", "kiinteä aika", "fix időpont", "sabit saat", "точное время"},
    // txtRandom
    {"random", "random", "zufällig", "aléatoire", "aleatorio", "aleatório", "casuale", "satunnainen", "véletlen", "rastgele", "случайно"},
    // txtDaglicht
    {"daglicht", "day light", "Tageslicht", "lumière du jour", "luz del día", "luz do dia", "luce diurna", "päivänvalo", "nappali fény", "gün ışığı", "дневной свет"},
    // txtVoor
    {"voor", "before", "vor", "avant", "antes", "antes", "prima", "ennen", "előtt", "önce", "до"},
    // txtNa
    {"na", "after", "nach", "après", "después", "depois", "dopo", "jälkeen", "után", "sonra", "после"},
    // txtOngeldig
    {"ongeldige tijd", "invalid time", "ungültige Zeit", "heure invalide", "hora no válida", "horário inválido", "orario non valido", "virheellinen aika", "érvénytelen idő", "geçersiz saat", "неверное время"},
    // txtMax1Uur
    {"+ maximaal 1 uur", "+ maximum 1 hour", "+ maximal 1 Stunde", "+ 1 heure maximum", "+ máximo 1 hora", "+ no máximo 1 hora", "+ massimo 1 ora", "+ enintään 1 tunti", "+ legfeljebb 1 óra", "+ en fazla 1 saat", "+ не более 1 часа"},
    // txtMinuten
    {"minuten", "minutes", "Minuten", "minutes", "minutos", "minutos", "minuti", "minuuttia", "perc", "dakika", "минут"},
    // txtCodeLeren
    {"code leren", "learn code", "Code lernen", "apprendre le code", "aprender código", "aprender código", "apprendi codice", "opeta koodi", "kód tanítása", "kodu öğren", "запомнить код"},
    // txtLerenUit
    {"leren uit", "stop learning", "Lernen beenden", "arrêter", "detener", "parar", "interrompi", "lopeta opetus", "tanítás vége", "öğrenmeyi durdur", "остановить"},
    // txtRAselHint
    {"Dubbelklik om eigen plaatje te kiezen", "Double click to browse for picture", "Doppelklick, um ein eigenes Bild zu wählen", "Double-cliquez pour choisir votre image", "Doble clic para elegir una imagen propia", "Clique duas vezes para escolher uma imagem", "Doppio clic per scegliere un'immagine", "Kaksoisnapsauta valitaksesi oman kuvan", "Dupla kattintás saját kép kiválasztásához", "Kendi resminizi seçmek için çift tıklayın", "Двойной щелчок — выбрать своё изображение"},
    // txtHeeftCodeSch
    {"codeschijfjes ontvanger", "code switch receiver", "Empfänger mit Codierrad", "récepteur à roues codeuses", "receptor con rueda de código", "receptor com roda de código", "ricevitore con rotella codice", "koodikiekollinen vastaanotin", "kódtárcsás vevő", "kod çarklı alıcı", "приёмник с кодовым диском"},
    // txtDimbaar
    {"dimbare ontvanger", "dimmer", "dimmbarer Empfänger", "récepteur variateur", "receptor regulable", "receptor dimerizável", "ricevitore dimmerabile", "himmennettävä vastaanotin", "fényerő-szabályozós vevő", "kısılabilir alıcı", "диммируемый приёмник"},
    // txtCode
    {"code", "code", "Code", "code", "código", "código", "codice", "koodi", "kód", "kod", "код"},
    // txtAfbRuimte
    {"afbeelding ruimte", "room image", "Raumbild", "image de la pièce", "imagen de la habitación", "imagem do cômodo", "immagine stanza", "huoneen kuva", "szoba képe", "oda resmi", "изображение комнаты"},
    // txtOmsRuimte
    {"omschrijving ruimte", "room description", "Raumbeschreibung", "description de la pièce", "descripción de la habitación", "descrição do cômodo", "descrizione stanza", "huoneen kuvaus", "szoba leírása", "oda açıklaması", "описание комнаты"},
    // txtAfbApparaat
    {"afbeelding apparaat", "device image", "Gerätebild", "image de l'appareil", "imagen del aparato", "imagem do aparelho", "immagine apparecchio", "laitteen kuva", "készülék képe", "cihaz resmi", "изображение устройства"},
    // txtOmsApparaat
    {"omschrijving apparaat", "device description", "Gerätebeschreibung", "description de l'appareil", "descripción del aparato", "descrição do aparelho", "descrizione apparecchio", "laitteen kuvaus", "készülék leírása", "cihaz açıklaması", "описание устройства"},
    // txtWissen
    {"wissen", "delete", "löschen", "supprimer", "borrar", "excluir", "cancella", "poista", "törlés", "sil", "удалить"},
    // txtScene
    {"scene", "scene", "Szene", "scène", "escena", "cena", "scena", "kohtaus", "jelenet", "sahne", "сцена"},
    // txtOmschrijving
    {"omschrijving", "description", "Beschreibung", "description", "descripción", "descrição", "descrizione", "kuvaus", "leírás", "açıklama", "описание"},
    // txtSceneHint
    {"Dubbelklik om in te stellen", "Double click to select", "Doppelklick zum Auswählen", "Double-cliquez pour sélectionner", "Doble clic para seleccionar", "Clique duas vezes para selecionar", "Doppio clic per selezionare", "Kaksoisnapsauta valitaksesi", "Dupla kattintás a kiválasztáshoz", "Seçmek için çift tıklayın", "Двойной щелчок для выбора"},
    // txtSceneApp
    {"scene: apparaten", "scene: devices", "Szene: Geräte", "scène : appareils", "escena: aparatos", "cena: aparelhos", "scena: apparecchi", "kohtaus: laitteet", "jelenet: készülékek", "sahne: cihazlar", "сцена: устройства"},
    // txtSceneRuimte
    {"scene: ruimtes", "scene: rooms", "Szene: Räume", "scène : pièces", "escena: habitaciones", "cena: cômodos", "scena: stanze", "kohtaus: huoneet", "jelenet: szobák", "sahne: odalar", "сцена: комнаты"},
    // txtSceneOverz
    {"overzicht scenes", "scenes overview", "Szenenübersicht", "aperçu des scènes", "resumen de escenas", "visão geral das cenas", "panoramica scene", "kohtausluettelo", "jelenetek áttekintése", "sahnelere genel bakış", "обзор сцен"},
    // txtSceneOvHint
    {"Dubbelklik om in te stellen", "Double click to set up", "Doppelklick zum Einstellen", "Double-cliquez pour régler", "Doble clic para configurar", "Clique duas vezes para configurar", "Doppio clic per impostare", "Kaksoisnapsauta asettaaksesi", "Dupla kattintás a beállításhoz", "Ayarlamak için çift tıklayın", "Двойной щелчок для настройки"},
    // txtKopie
    {"kopiëren", "copy", "kopieren", "copier", "copiar", "copiar", "copia", "kopioi", "másolás", "kopyala", "копировать"},
    // txtToevoegen
    {"toevoegen", "add", "hinzufügen", "ajouter", "añadir", "adicionar", "aggiungi", "lisää", "hozzáadás", "ekle", "добавить"},
    // txtFUwissen
    {"Wissen ", "Erasing ", "Löschen: ", "Effacement de ", "Borrando ", "Apagando ", "Cancellazione di ", "Tyhjennetään ", "Törlés: ", "Siliniyor: ", "Стирание "},
    // txtFUprog
    {"Programmeren ", "Programming ", "Programmieren: ", "Programmation de ", "Programando ", "Programando ", "Programmazione di ", "Ohjelmoidaan ", "Programozás: ", "Programlanıyor: ", "Программирование "},
    // txtFUrecon
    {"Wacht op aanmelding van ", "Wait for reconnection of ", "Warten auf erneute Anmeldung von ", "Attente de la reconnexion de ", "Esperando la reconexión de ", "Aguardando reconexão de ", "In attesa della riconnessione di ", "Odotetaan uudelleenyhdistämistä: ", "Várakozás az újracsatlakozásra: ", "Yeniden bağlantı bekleniyor: ", "Ожидание переподключения "},
    // txtFUfoutwissen
    {"Fout bij wissen", "Error erasing", "Fehler beim Löschen", "Erreur d'effacement", "Error al borrar", "Erro ao apagar", "Errore di cancellazione", "Virhe tyhjennettäessä", "Hiba a törléskor", "Silme hatası", "Ошибка стирания"},
    // txtFUcontrFout
    {"Controle fout op adres: ", "Verify error at address: ", "Prüffehler an Adresse: ", "Erreur de vérification à l'adresse : ", "Error de verificación en la dirección: ", "Erro de verificação no endereço: ", "Errore di verifica all'indirizzo: ", "Tarkistusvirhe osoitteessa: ", "Ellenőrzési hiba a következő címen: ", "Doğrulama hatası, adres: ", "Ошибка проверки по адресу: "},
    // txtFUopwaarderen
    {"Opwaarderen naar ", "Updating to ", "Aktualisierung auf ", "Mise à jour vers ", "Actualizando a ", "Atualizando para ", "Aggiornamento a ", "Päivitetään: ", "Frissítés: ", "Güncelleniyor: ", "Обновление до "},
    // txtFUaddrerr
    {"Adres buiten flashbereik", "Address excedes flash size", "Adresse außerhalb des Flash-Bereichs", "Adresse hors de la mémoire flash", "Dirección fuera de la memoria flash", "Endereço fora da memória flash", "Indirizzo fuori dalla memoria flash", "Osoite flash-muistin ulkopuolella", "A cím kívül esik a flash-memórián", "Adres flash boyutunu aşıyor", "Адрес за пределами флеш-памяти"},
    // txtFUfilecorrupt
    {"File beschadigd: Checksum fout", "File corrupt: Checksum error", "Datei beschädigt: Prüfsummenfehler", "Fichier endommagé : erreur de somme de contrôle", "Archivo dañado: error de suma de comprobación", "Arquivo corrompido: erro de soma de verificação", "File danneggiato: errore di checksum", "Tiedosto vioittunut: tarkistussummavirhe", "Sérült fájl: ellenőrzőösszeg-hiba", "Dosya bozuk: sağlama toplamı hatası", "Файл повреждён: ошибка контрольной суммы"},
    // txtNaarZolvo
    {"naar Zolvo", "Send to Zolvo", "an Zolvo senden", "envoyer au Zolvo", "enviar al Zolvo", "enviar ao Zolvo", "invia allo Zolvo", "lähetä Zolvoon", "küldés a Zolvo eszközre", "Zolvo'ya gönder", "отправить в Zolvo"},
    // txtWijzig1
    {"Wijzigingen worden pas actief", "Changes in effect only", "Änderungen werden erst wirksam", "Les modifications ne prendront effet", "Los cambios solo se aplicarán", "As alterações só terão efeito", "Le modifiche avranno effetto solo", "Muutokset tulevat voimaan vasta,", "A módosítások csak akkor lépnek életbe,", "Değişikliklerin etkin olması için", "Изменения вступят в силу только"},
    // txtWijzig2
    {"na klik op", "after clicking on", "nach Klick auf", "qu'après un clic sur", "después de hacer clic en", "depois de clicar em", "dopo aver cliccato su", "kun napsautat", "ha rákattint erre:", "şuna tıklayın:", "после нажатия на"},
};
