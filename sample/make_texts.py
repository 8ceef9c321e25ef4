# Writes the text files of the sample installation medium (test and demo material, not a deliverable).
"""Writes setupm.ini and, for each of the nine language codes, the wizard's message
file is-00001/setuplan.<code> and the uninstaller's strings file is-00001/uninst.<code>,
each in its language's ANSI code page with CR LF line ends, then reads every file back
and checks that it decodes and holds every key.

Run: python3 make_texts.py [medium folder]   (default: the medium/ folder beside this script)
"""

import os
import sys

CODE_PAGES = {
    "chs": "gbk",
    "cht": "big5",
    "deu": "cp1252",
    "nld": "cp1252",
    "enu": "cp1252",
    "FIN": "cp1252",
    "fra": "cp1252",
    "ita": "cp1252",
    "esp": "cp1252",
}

LANGUAGE_NAMES = {
    "chs": "Simplified Chinese",
    "cht": "Traditional Chinese",
    "deu": "German",
    "nld": "Dutch",
    "enu": "English",
    "FIN": "Finnish",
    "fra": "French",
    "ita": "Italian",
    "esp": "Spanish",
}

MSG_KEYS = ["1", "2", "4", "7", "8", "10", "11", "12", "13", "20", "21", "22", "23", "24",
            "25", "301", "302", "303", "304", "306"]

DLG_KEYS = ["P1T", "P11", "P12", "P13", "P14", "P15", "P16", "P2T", "P21", "P3T", "P31",
            "P32", "P33", "P4T", "P41", "P42", "P43", "P5T", "P51", "P7T", "P71", "PWHEEL3",
            "PWHEEL31", "PWHEEL32", "PWHEEL5", "PWHEEL51", "PWHEEL52", "PFT", "PF1", "PF2",
            "PF3", "PF4", "PF5"]

UNINST_KEYS = ["P1T", "P1", "P2", "P3", "P4", "P5", "P6", "P2T", "P22", "P23", "FINISHBTN",
               "NEXTBTN", "ABORTBTN"]

# The wizard keeps at most 259 bytes of a text, 519 of [DLG] P51.
LIMITS = {"P51": 519}
DEFAULT_LIMIT = 259

SETUP_CONFIG = [
    "; Sample installation medium: product configuration that Setup reads (test and demo material)",
    "[Manufacture]",
    "Manufacture=Example Input Devices",
    "",
    "[Product]",
    "Product=Example Mouse Suite",
    "Version=2.1",
    "Key=glider9k.exe",
    "VER=2.1.0.0",
    "",
    "[Target]",
    r"Dir=Example Input\Mouse Suite",
    r"Folder=Example Input\Mouse Suite",
    "",
    "[Display Name]",
    "Name=Example Mouse Suite 2.1",
    "",
    "[Title]",
    "CaptionBar=Mouse Suite",
    "Main=Example Input",
    "",
    "[Uninstall]",
    "DisplayName=Example Mouse Suite",
    "Key=Example Mouse Suite",
    "",
    "[Applications]",
    "Main=glider9k.exe",
    "IniFile=tuning.ini",
    "DllFile=glihook9.dll",
    "",
    "[Icons]",
    "1=glider9k.exe,%s",
    r"2=glider9k.exe,Mouse Tray Notifier,res\notify.ico",
    "3=purgekit.exe,Remove Example Mouse Suite",
]

SETUP_CONFIG_KEYS = {
    "Manufacture": ["Manufacture"],
    "Product": ["Product", "Version", "Key", "VER"],
    "Target": ["Dir", "Folder"],
    "Display Name": ["Name"],
    "Title": ["CaptionBar", "Main"],
    "Uninstall": ["DisplayName", "Key"],
    "Applications": ["Main", "IniFile", "DllFile"],
    "Icons": ["1", "2", "3"],
}

ENU = {
    "MSG": {
        "1": "< &Back",
        "2": "&Next >",
        "4": "Cancel",
        "7": "&Finish",
        "8": "B&rowse...",
        "10": "Setup",
        "11": "Installing",
        "12": "Mouse Settings",
        "13": "Choose the Setup Language",
        "20": "Exit Setup",
        "21": "&Resume",
        "22": "E&xit Setup",
        "23": "Setup is not complete.",
        "24": "If you leave now, the program will not be installed.",
        "25": "You can run Setup again later to complete the installation.",
        "301": "Copying files...",
        "302": "Writing registry entries...",
        "303": "Installing the mouse driver...",
        "304": "Creating Start menu shortcuts...",
        "306": "Registering the uninstaller...",
    },
    "DLG": {
        "P1T": "Welcome",
        "P11": "Welcome to the setup program for",
        "P12": "This program installs the mouse software on your computer.",
        "P13": "It is strongly recommended that you close all other Windows programs before "
               "you continue. Programs that stay open may prevent files from being replaced.",
        "P14": "Click Cancel to leave Setup and close those programs. Click Next to continue.",
        "P15": "Do not unplug the mouse during setup.",
        "P16": "Setup will ask you to restart the computer when it has finished.",
        "P2T": "License Agreement",
        "P21": "Please read the license agreement below. Click Yes to accept it.",
        "P3T": "Choose Destination Folder",
        "P31": "Setup will install %P in the following folder.",
        "P32": "To install into this folder, click Next. To install into another folder, "
               "type its path below.",
        "P33": "Space required:",
        "P4T": "Select Program Folder",
        "P41": "Setup will add the program shortcuts to the program folder named below. You "
               "can type a new folder name or select one from the list of existing folders. "
               "Click Next to continue.",
        "P42": "Program folder:",
        "P43": "Existing folders:",
        "P5T": "Ready to Install",
        "P51": "Setup has all the information it needs to install the mouse software. When "
               "you click Next, Setup copies the program files to the destination folder, "
               "installs the mouse driver, adds the program shortcuts to the Start menu and "
               "registers the program so that it can be removed later. To review or change "
               "any settings, click Back. Click Cancel to leave Setup without installing.",
        "P7T": "Choose Components",
        "P71": "Select the components you want to install.",
        "PWHEEL3": "Three-button wheel mouse",
        "PWHEEL31": "Turn the wheel to scroll a document up and down.",
        "PWHEEL32": "Press the wheel to use it as a middle button.",
        "PWHEEL5": "Five-button wheel mouse",
        "PWHEEL51": "The two side buttons go back and forward in a web browser.",
        "PWHEEL52": "Tilt the wheel to scroll a document left and right.",
        "PFT": "Setup Complete",
        "PF1": "Setup has finished installing %P on your computer.",
        "PF2": "The new mouse settings take effect after the computer has been restarted. "
               "Remove any disks from their drives before restarting.",
        "PF3": "Click Finish to leave Setup.",
        "PF4": "&Yes, I want to restart my computer now.",
        "PF5": "&No, I will restart my computer later.",
    },
    "UNINST": {
        "P1T": "Uninstall",
        "P1": "Click Next to remove the following program from your computer:",
        "P2": "Removing program files...",
        "P3": "Removing program folders...",
        "P4": "Removing startup entries...",
        "P5": "Removing Start menu items...",
        "P6": "Removing registry entries...",
        "P2T": "Uninstall Complete",
        "P22": "&Yes, I want to restart my computer now.",
        "P23": "&No, I will restart my computer later.",
        "FINISHBTN": "&Finish",
        "NEXTBTN": "&Next >",
        "ABORTBTN": "Cancel",
    },
}

DEU = {
    "MSG": {
        "1": "< &Zurück",
        "2": "&Weiter >",
        "4": "Abbrechen",
        "7": "&Fertig stellen",
        "8": "&Durchsuchen...",
        "10": "Setup",
        "11": "Installation von",
        "12": "Mauseinstellungen",
        "13": "Sprache für die Installation wählen",
        "20": "Setup beenden",
        "21": "&Fortsetzen",
        "22": "Setup &beenden",
        "23": "Die Installation ist noch nicht abgeschlossen.",
        "24": "Wenn Sie jetzt beenden, wird das Programm nicht installiert.",
        "25": "Sie können Setup später erneut starten, um die Installation abzuschließen.",
        "301": "Dateien werden kopiert...",
        "302": "Registrierungseinträge werden geschrieben...",
        "303": "Maustreiber wird installiert...",
        "304": "Verknüpfungen im Startmenü werden erstellt...",
        "306": "Deinstallationsprogramm wird registriert...",
    },
    "DLG": {
        "P1T": "Willkommen",
        "P11": "Willkommen beim Setup-Programm für",
        "P12": "Dieses Programm installiert die Maussoftware auf Ihrem Computer.",
        "P13": "Es wird dringend empfohlen, alle anderen Windows-Programme zu schließen, "
               "bevor Sie fortfahren. Geöffnete Programme können verhindern, dass Dateien "
               "ersetzt werden.",
        "P14": "Klicken Sie auf Abbrechen, um Setup zu verlassen und diese Programme zu "
               "schließen. Klicken Sie auf Weiter, um fortzufahren.",
        "P15": "Trennen Sie die Maus während der Installation nicht vom Computer.",
        "P16": "Nach Abschluss der Installation werden Sie aufgefordert, den Computer neu "
               "zu starten.",
        "P2T": "Lizenzvereinbarung",
        "P21": "Bitte lesen Sie die folgende Lizenzvereinbarung. Klicken Sie auf Ja, um sie "
               "anzunehmen.",
        "P3T": "Zielordner wählen",
        "P31": "Setup installiert %P in den folgenden Ordner.",
        "P32": "Klicken Sie auf Weiter, um in diesen Ordner zu installieren. Für einen "
               "anderen Ordner geben Sie unten dessen Pfad ein.",
        "P33": "Benötigter Speicherplatz:",
        "P4T": "Programmordner wählen",
        "P41": "Setup fügt die Programmverknüpfungen dem unten genannten Programmordner "
               "hinzu. Sie können einen neuen Ordnernamen eingeben oder einen vorhandenen "
               "Ordner aus der Liste wählen. Klicken Sie auf Weiter, um fortzufahren.",
        "P42": "Programmordner:",
        "P43": "Vorhandene Ordner:",
        "P5T": "Bereit zur Installation",
        "P51": "Setup hat alle Angaben, die für die Installation der Maussoftware nötig "
               "sind. Wenn Sie auf Weiter klicken, kopiert Setup die Programmdateien in den "
               "Zielordner, installiert den Maustreiber, legt die Verknüpfungen im Startmenü "
               "an und registriert das Programm, damit es später entfernt werden kann. Um "
               "Einstellungen zu prüfen oder zu ändern, klicken Sie auf Zurück. Mit "
               "Abbrechen verlassen Sie Setup ohne Installation.",
        "P7T": "Komponenten wählen",
        "P71": "Wählen Sie die Komponenten, die installiert werden sollen.",
        "PWHEEL3": "Radmaus mit drei Tasten",
        "PWHEEL31": "Drehen Sie das Rad, um in einem Dokument nach oben und unten zu blättern.",
        "PWHEEL32": "Drücken Sie das Rad, um es als mittlere Taste zu verwenden.",
        "PWHEEL5": "Radmaus mit fünf Tasten",
        "PWHEEL51": "Mit den beiden Seitentasten blättern Sie im Webbrowser vor und zurück.",
        "PWHEEL52": "Neigen Sie das Rad, um in einem Dokument nach links und rechts zu "
                    "blättern.",
        "PFT": "Installation abgeschlossen",
        "PF1": "Setup hat %P auf Ihrem Computer installiert.",
        "PF2": "Die neuen Mauseinstellungen werden nach einem Neustart des Computers "
               "wirksam. Entnehmen Sie vor dem Neustart alle Datenträger aus den Laufwerken.",
        "PF3": "Klicken Sie auf Fertig stellen, um Setup zu verlassen.",
        "PF4": "&Ja, Computer jetzt neu starten.",
        "PF5": "&Nein, ich starte den Computer später neu.",
    },
    "UNINST": {
        "P1T": "Deinstallation",
        "P1": "Klicken Sie auf Weiter, um das folgende Programm von Ihrem Computer zu "
              "entfernen:",
        "P2": "Programmdateien werden entfernt...",
        "P3": "Programmordner werden entfernt...",
        "P4": "Autostart-Einträge werden entfernt...",
        "P5": "Einträge im Startmenü werden entfernt...",
        "P6": "Registrierungseinträge werden entfernt...",
        "P2T": "Deinstallation abgeschlossen",
        "P22": "&Ja, Computer jetzt neu starten.",
        "P23": "&Nein, ich starte den Computer später neu.",
        "FINISHBTN": "&Fertig stellen",
        "NEXTBTN": "&Weiter >",
        "ABORTBTN": "Abbrechen",
    },
}

NLD = {
    "MSG": {
        "1": "< V&orige",
        "2": "&Volgende >",
        "4": "Annuleren",
        "7": "&Voltooien",
        "8": "&Bladeren...",
        "10": "Setup",
        "11": "Installatie van",
        "12": "Muisinstellingen",
        "13": "Kies de taal voor de installatie",
        "20": "Setup afsluiten",
        "21": "&Doorgaan",
        "22": "Setup af&sluiten",
        "23": "De installatie is nog niet voltooid.",
        "24": "Als u nu afsluit, wordt het programma niet geïnstalleerd.",
        "25": "U kunt Setup later opnieuw starten om de installatie te voltooien.",
        "301": "Bestanden worden gekopieerd...",
        "302": "Registergegevens worden geschreven...",
        "303": "Muisstuurprogramma wordt geïnstalleerd...",
        "304": "Snelkoppelingen in het menu Start worden gemaakt...",
        "306": "Verwijderprogramma wordt geregistreerd...",
    },
    "DLG": {
        "P1T": "Welkom",
        "P11": "Welkom bij het installatieprogramma van",
        "P12": "Dit programma installeert de muissoftware op uw computer.",
        "P13": "Het wordt sterk aangeraden alle andere Windows-programma's te sluiten "
               "voordat u verdergaat. Programma's die open blijven, kunnen verhinderen dat "
               "bestanden worden vervangen.",
        "P14": "Klik op Annuleren om Setup te verlaten en deze programma's te sluiten. Klik "
               "op Volgende om door te gaan.",
        "P15": "Koppel de muis tijdens de installatie niet los.",
        "P16": "Na afloop vraagt Setup u de computer opnieuw op te starten.",
        "P2T": "Licentieovereenkomst",
        "P21": "Lees de onderstaande licentieovereenkomst. Klik op Ja om deze te aanvaarden.",
        "P3T": "Doelmap kiezen",
        "P31": "Setup installeert %P in de volgende map.",
        "P32": "Klik op Volgende om in deze map te installeren. Typ hieronder een ander pad "
               "om in een andere map te installeren.",
        "P33": "Benodigde ruimte:",
        "P4T": "Programmamap kiezen",
        "P41": "Setup plaatst de snelkoppelingen in de hieronder genoemde programmamap. U "
               "kunt een nieuwe mapnaam typen of een bestaande map uit de lijst kiezen. Klik "
               "op Volgende om door te gaan.",
        "P42": "Programmamap:",
        "P43": "Bestaande mappen:",
        "P5T": "Klaar voor installatie",
        "P51": "Setup heeft alle gegevens om de muissoftware te installeren. Als u op "
               "Volgende klikt, kopieert Setup de programmabestanden naar de doelmap, "
               "installeert het muisstuurprogramma, plaatst de snelkoppelingen in het menu "
               "Start en registreert het programma, zodat het later kan worden verwijderd. "
               "Klik op Vorige om instellingen te controleren of te wijzigen. Klik op "
               "Annuleren om Setup zonder installatie te verlaten.",
        "P7T": "Onderdelen kiezen",
        "P71": "Kies de onderdelen die u wilt installeren.",
        "PWHEEL3": "Wieltjesmuis met drie knoppen",
        "PWHEEL31": "Draai aan het wieltje om omhoog en omlaag door een document te schuiven.",
        "PWHEEL32": "Druk op het wieltje om het als middelste knop te gebruiken.",
        "PWHEEL5": "Wieltjesmuis met vijf knoppen",
        "PWHEEL51": "Met de twee zijknoppen gaat u in een webbrowser terug en vooruit.",
        "PWHEEL52": "Kantel het wieltje om naar links en rechts door een document te "
                    "schuiven.",
        "PFT": "Installatie voltooid",
        "PF1": "Setup heeft %P op uw computer geïnstalleerd.",
        "PF2": "De nieuwe muisinstellingen worden van kracht nadat de computer opnieuw is "
               "opgestart. Verwijder eventuele schijven uit de stations voordat u opnieuw "
               "opstart.",
        "PF3": "Klik op Voltooien om Setup te verlaten.",
        "PF4": "&Ja, ik wil de computer nu opnieuw opstarten.",
        "PF5": "&Nee, ik start de computer later opnieuw op.",
    },
    "UNINST": {
        "P1T": "Verwijderen",
        "P1": "Klik op Volgende om het volgende programma van uw computer te verwijderen:",
        "P2": "Programmabestanden worden verwijderd...",
        "P3": "Programmamappen worden verwijderd...",
        "P4": "Opstartitems worden verwijderd...",
        "P5": "Items in het menu Start worden verwijderd...",
        "P6": "Registergegevens worden verwijderd...",
        "P2T": "Verwijderen voltooid",
        "P22": "&Ja, ik wil de computer nu opnieuw opstarten.",
        "P23": "&Nee, ik start de computer later opnieuw op.",
        "FINISHBTN": "&Voltooien",
        "NEXTBTN": "&Volgende >",
        "ABORTBTN": "Annuleren",
    },
}

FIN = {
    "MSG": {
        "1": "< &Edellinen",
        "2": "&Seuraava >",
        "4": "Peruuta",
        "7": "&Valmis",
        "8": "S&elaa...",
        "10": "Asennus",
        "11": "Asennus:",
        "12": "Hiiren asetukset",
        "13": "Valitse asennuksen kieli",
        "20": "Lopeta asennus",
        "21": "&Jatka",
        "22": "&Lopeta asennus",
        "23": "Asennus on kesken.",
        "24": "Jos lopetat nyt, ohjelmaa ei asenneta.",
        "25": "Voit suorittaa asennuksen loppuun myöhemmin.",
        "301": "Kopioidaan tiedostoja...",
        "302": "Kirjoitetaan rekisterimerkintöjä...",
        "303": "Asennetaan hiiren ohjainta...",
        "304": "Luodaan Käynnistä-valikon pikakuvakkeita...",
        "306": "Rekisteröidään asennuksen poisto-ohjelmaa...",
    },
    "DLG": {
        "P1T": "Tervetuloa",
        "P11": "Tervetuloa asennusohjelmaan:",
        "P12": "Tämä ohjelma asentaa hiiren ohjelmiston tietokoneeseesi.",
        "P13": "On erittäin suositeltavaa sulkea kaikki muut Windows-ohjelmat ennen "
               "jatkamista. Avoinna olevat ohjelmat voivat estää tiedostojen korvaamisen.",
        "P14": "Napsauta Peruuta, jos haluat lopettaa asennuksen ja sulkea ohjelmat. Jatka "
               "napsauttamalla Seuraava.",
        "P15": "Älä irrota hiirtä asennuksen aikana.",
        "P16": "Asennuksen lopuksi sinua pyydetään käynnistämään tietokone uudelleen.",
        "P2T": "Käyttöoikeussopimus",
        "P21": "Lue alla oleva käyttöoikeussopimus. Hyväksy se napsauttamalla Kyllä.",
        "P3T": "Valitse kohdekansio",
        "P31": "Asennusohjelma asentaa ohjelman %P seuraavaan kansioon.",
        "P32": "Asenna tähän kansioon napsauttamalla Seuraava. Jos haluat asentaa toiseen "
               "kansioon, kirjoita sen polku alle.",
        "P33": "Tarvittava tila:",
        "P4T": "Valitse ohjelmakansio",
        "P41": "Asennusohjelma lisää pikakuvakkeet alla nimettyyn ohjelmakansioon. Voit "
               "kirjoittaa uuden kansion nimen tai valita kansion luettelosta. Jatka "
               "napsauttamalla Seuraava.",
        "P42": "Ohjelmakansio:",
        "P43": "Olemassa olevat kansiot:",
        "P5T": "Valmis asennettavaksi",
        "P51": "Asennusohjelmalla on kaikki hiiren ohjelmiston asentamiseen tarvittavat "
               "tiedot. Kun napsautat Seuraava, asennusohjelma kopioi ohjelmatiedostot "
               "kohdekansioon, asentaa hiiren ohjaimen, lisää pikakuvakkeet "
               "Käynnistä-valikkoon ja rekisteröi ohjelman, jotta sen voi myöhemmin poistaa. "
               "Voit tarkistaa tai muuttaa asetuksia napsauttamalla Edellinen. Napsauta "
               "Peruuta, jos haluat lopettaa asentamatta.",
        "P7T": "Valitse osat",
        "P71": "Valitse asennettavat osat.",
        "PWHEEL3": "Kolmipainikkeinen rullahiiri",
        "PWHEEL31": "Vieritä asiakirjaa ylös ja alas pyörittämällä rullaa.",
        "PWHEEL32": "Painamalla rullaa voit käyttää sitä keskipainikkeena.",
        "PWHEEL5": "Viisipainikkeinen rullahiiri",
        "PWHEEL51": "Sivupainikkeilla siirryt selaimessa taaksepäin ja eteenpäin.",
        "PWHEEL52": "Vieritä asiakirjaa vasemmalle ja oikealle kallistamalla rullaa.",
        "PFT": "Asennus on valmis",
        "PF1": "Ohjelma %P on asennettu tietokoneeseesi.",
        "PF2": "Uudet hiiren asetukset tulevat voimaan, kun tietokone on käynnistetty "
               "uudelleen. Poista levyt asemista ennen uudelleenkäynnistystä.",
        "PF3": "Lopeta asennus napsauttamalla Valmis.",
        "PF4": "&Kyllä, haluan käynnistää tietokoneen uudelleen nyt.",
        "PF5": "&Ei, käynnistän tietokoneen uudelleen myöhemmin.",
    },
    "UNINST": {
        "P1T": "Asennuksen poisto",
        "P1": "Poista seuraava ohjelma tietokoneesta napsauttamalla Seuraava:",
        "P2": "Poistetaan ohjelmatiedostoja...",
        "P3": "Poistetaan ohjelmakansioita...",
        "P4": "Poistetaan käynnistysmerkintöjä...",
        "P5": "Poistetaan Käynnistä-valikon kohteita...",
        "P6": "Poistetaan rekisterimerkintöjä...",
        "P2T": "Asennuksen poisto on valmis",
        "P22": "&Kyllä, haluan käynnistää tietokoneen uudelleen nyt.",
        "P23": "&Ei, käynnistän tietokoneen uudelleen myöhemmin.",
        "FINISHBTN": "&Valmis",
        "NEXTBTN": "&Seuraava >",
        "ABORTBTN": "Peruuta",
    },
}

FRA = {
    "MSG": {
        "1": "< &Précédent",
        "2": "&Suivant >",
        "4": "Annuler",
        "7": "&Terminer",
        "8": "&Parcourir...",
        "10": "Installation",
        "11": "Installation de",
        "12": "Paramètres de la souris",
        "13": "Choisissez la langue d'installation",
        "20": "Quitter l'installation",
        "21": "&Reprendre",
        "22": "&Quitter l'installation",
        "23": "L'installation n'est pas terminée.",
        "24": "Si vous quittez maintenant, le programme ne sera pas installé.",
        "25": "Vous pourrez relancer l'installation plus tard pour la terminer.",
        "301": "Copie des fichiers...",
        "302": "Écriture des entrées du Registre...",
        "303": "Installation du pilote de la souris...",
        "304": "Création des raccourcis du menu Démarrer...",
        "306": "Inscription du programme de désinstallation...",
    },
    "DLG": {
        "P1T": "Bienvenue",
        "P11": "Bienvenue dans le programme d'installation de",
        "P12": "Ce programme installe le logiciel de la souris sur votre ordinateur.",
        "P13": "Il est vivement conseillé de fermer tous les autres programmes Windows avant "
               "de continuer. Les programmes restés ouverts peuvent empêcher le remplacement "
               "de certains fichiers.",
        "P14": "Cliquez sur Annuler pour quitter l'installation et fermer ces programmes. "
               "Cliquez sur Suivant pour continuer.",
        "P15": "Ne débranchez pas la souris pendant l'installation.",
        "P16": "À la fin de l'installation, il vous sera demandé de redémarrer l'ordinateur.",
        "P2T": "Contrat de licence",
        "P21": "Veuillez lire le contrat de licence ci-dessous. Cliquez sur Oui pour "
               "l'accepter.",
        "P3T": "Choix du dossier de destination",
        "P31": "Le programme d'installation va installer %P dans le dossier suivant.",
        "P32": "Pour installer dans ce dossier, cliquez sur Suivant. Pour choisir un autre "
               "dossier, tapez son chemin ci-dessous.",
        "P33": "Espace nécessaire :",
        "P4T": "Choix du dossier de programmes",
        "P41": "Le programme d'installation va ajouter les raccourcis au dossier de "
               "programmes indiqué ci-dessous. Vous pouvez taper un nouveau nom de dossier ou "
               "en choisir un dans la liste. Cliquez sur Suivant pour continuer.",
        "P42": "Dossier de programmes :",
        "P43": "Dossiers existants :",
        "P5T": "Prêt à installer",
        "P51": "Le programme d'installation dispose de toutes les informations nécessaires. "
               "Lorsque vous cliquerez sur Suivant, il copiera les fichiers dans le dossier "
               "de destination, installera le pilote de la souris, ajoutera les raccourcis au "
               "menu Démarrer et inscrira le programme afin qu'il puisse être désinstallé "
               "plus tard. Pour vérifier ou modifier des paramètres, cliquez sur Précédent. "
               "Cliquez sur Annuler pour quitter sans rien installer.",
        "P7T": "Choix des composants",
        "P71": "Sélectionnez les composants à installer.",
        "PWHEEL3": "Souris à molette, trois boutons",
        "PWHEEL31": "Tournez la molette pour faire défiler un document vers le haut ou vers "
                    "le bas.",
        "PWHEEL32": "Appuyez sur la molette pour l'utiliser comme bouton central.",
        "PWHEEL5": "Souris à molette, cinq boutons",
        "PWHEEL51": "Les deux boutons latéraux permettent d'avancer et de reculer dans un "
                    "navigateur Web.",
        "PWHEEL52": "Inclinez la molette pour faire défiler un document vers la gauche ou "
                    "vers la droite.",
        "PFT": "Installation terminée",
        "PF1": "L'installation de %P sur votre ordinateur est terminée.",
        "PF2": "Les nouveaux paramètres de la souris prendront effet après le redémarrage "
               "de l'ordinateur. Retirez les disques des lecteurs avant de redémarrer.",
        "PF3": "Cliquez sur Terminer pour quitter l'installation.",
        "PF4": "&Oui, je veux redémarrer mon ordinateur maintenant.",
        "PF5": "&Non, je redémarrerai mon ordinateur plus tard.",
    },
    "UNINST": {
        "P1T": "Désinstallation",
        "P1": "Cliquez sur Suivant pour supprimer le programme suivant de votre ordinateur :",
        "P2": "Suppression des fichiers du programme...",
        "P3": "Suppression des dossiers du programme...",
        "P4": "Suppression des entrées de démarrage...",
        "P5": "Suppression des éléments du menu Démarrer...",
        "P6": "Suppression des entrées du Registre...",
        "P2T": "Désinstallation terminée",
        "P22": "&Oui, je veux redémarrer mon ordinateur maintenant.",
        "P23": "&Non, je redémarrerai mon ordinateur plus tard.",
        "FINISHBTN": "&Terminer",
        "NEXTBTN": "&Suivant >",
        "ABORTBTN": "Annuler",
    },
}

ITA = {
    "MSG": {
        "1": "< &Indietro",
        "2": "&Avanti >",
        "4": "Annulla",
        "7": "&Fine",
        "8": "&Sfoglia...",
        "10": "Installazione",
        "11": "Installazione di",
        "12": "Impostazioni del mouse",
        "13": "Scegliere la lingua dell'installazione",
        "20": "Esci dall'installazione",
        "21": "&Riprendi",
        "22": "&Esci dall'installazione",
        "23": "L'installazione non è completa.",
        "24": "Se si esce ora, il programma non verrà installato.",
        "25": "È possibile eseguire di nuovo l'installazione in seguito per completarla.",
        "301": "Copia dei file in corso...",
        "302": "Scrittura delle voci del Registro di sistema...",
        "303": "Installazione del driver del mouse...",
        "304": "Creazione dei collegamenti nel menu Start...",
        "306": "Registrazione del programma di disinstallazione...",
    },
    "DLG": {
        "P1T": "Benvenuti",
        "P11": "Benvenuti nel programma di installazione di",
        "P12": "Questo programma installa il software del mouse sul computer.",
        "P13": "Si consiglia vivamente di chiudere tutti gli altri programmi Windows prima di "
               "continuare. I programmi aperti possono impedire la sostituzione dei file.",
        "P14": "Fare clic su Annulla per uscire dall'installazione e chiudere tali "
               "programmi. Fare clic su Avanti per continuare.",
        "P15": "Non scollegare il mouse durante l'installazione.",
        "P16": "Al termine dell'installazione verrà chiesto di riavviare il computer.",
        "P2T": "Contratto di licenza",
        "P21": "Leggere il seguente contratto di licenza. Fare clic su Sì per accettarlo.",
        "P3T": "Scelta della cartella di destinazione",
        "P31": "Il programma di installazione installerà %P nella cartella seguente.",
        "P32": "Per installare in questa cartella, fare clic su Avanti. Per installare in "
               "un'altra cartella, digitarne il percorso qui sotto.",
        "P33": "Spazio richiesto:",
        "P4T": "Scelta della cartella dei programmi",
        "P41": "Il programma di installazione aggiungerà i collegamenti alla cartella dei "
               "programmi indicata qui sotto. È possibile digitare un nuovo nome di cartella "
               "o sceglierne una dall'elenco. Fare clic su Avanti per continuare.",
        "P42": "Cartella dei programmi:",
        "P43": "Cartelle esistenti:",
        "P5T": "Pronto per l'installazione",
        "P51": "Il programma di installazione dispone di tutte le informazioni necessarie. "
               "Facendo clic su Avanti, copierà i file nella cartella di destinazione, "
               "installerà il driver del mouse, aggiungerà i collegamenti al menu Start e "
               "registrerà il programma in modo che possa essere rimosso in seguito. Per "
               "controllare o modificare le impostazioni, fare clic su Indietro. Fare clic "
               "su Annulla per uscire senza installare.",
        "P7T": "Scelta dei componenti",
        "P71": "Selezionare i componenti da installare.",
        "PWHEEL3": "Mouse con rotellina a tre pulsanti",
        "PWHEEL31": "Ruotare la rotellina per scorrere un documento verso l'alto e verso il "
                    "basso.",
        "PWHEEL32": "Premere la rotellina per usarla come pulsante centrale.",
        "PWHEEL5": "Mouse con rotellina a cinque pulsanti",
        "PWHEEL51": "I due pulsanti laterali consentono di andare avanti e indietro nel "
                    "browser Web.",
        "PWHEEL52": "Inclinare la rotellina per scorrere un documento verso sinistra e verso "
                    "destra.",
        "PFT": "Installazione completata",
        "PF1": "L'installazione di %P sul computer è stata completata.",
        "PF2": "Le nuove impostazioni del mouse avranno effetto dopo il riavvio del "
               "computer. Prima di riavviare, rimuovere eventuali dischi dalle unità.",
        "PF3": "Fare clic su Fine per uscire dall'installazione.",
        "PF4": "&Sì, riavvia il computer ora.",
        "PF5": "&No, riavvierò il computer più tardi.",
    },
    "UNINST": {
        "P1T": "Disinstallazione",
        "P1": "Fare clic su Avanti per rimuovere il seguente programma dal computer:",
        "P2": "Rimozione dei file del programma...",
        "P3": "Rimozione delle cartelle del programma...",
        "P4": "Rimozione delle voci di avvio...",
        "P5": "Rimozione delle voci del menu Start...",
        "P6": "Rimozione delle voci del Registro di sistema...",
        "P2T": "Disinstallazione completata",
        "P22": "&Sì, riavvia il computer ora.",
        "P23": "&No, riavvierò il computer più tardi.",
        "FINISHBTN": "&Fine",
        "NEXTBTN": "&Avanti >",
        "ABORTBTN": "Annulla",
    },
}

ESP = {
    "MSG": {
        "1": "< &Atrás",
        "2": "&Siguiente >",
        "4": "Cancelar",
        "7": "&Finalizar",
        "8": "&Examinar...",
        "10": "Instalación",
        "11": "Instalación de",
        "12": "Configuración del ratón",
        "13": "Elija el idioma de la instalación",
        "20": "Salir de la instalación",
        "21": "&Continuar",
        "22": "&Salir de la instalación",
        "23": "La instalación no ha terminado.",
        "24": "Si sale ahora, el programa no se instalará.",
        "25": "Puede volver a ejecutar la instalación más adelante para completarla.",
        "301": "Copiando archivos...",
        "302": "Escribiendo entradas del Registro...",
        "303": "Instalando el controlador del ratón...",
        "304": "Creando accesos directos en el menú Inicio...",
        "306": "Registrando el programa de desinstalación...",
    },
    "DLG": {
        "P1T": "Bienvenido",
        "P11": "Bienvenido al programa de instalación de",
        "P12": "Este programa instala el software del ratón en su equipo.",
        "P13": "Se recomienda encarecidamente cerrar todos los demás programas de Windows "
               "antes de continuar. Los programas abiertos pueden impedir que se reemplacen "
               "algunos archivos.",
        "P14": "Haga clic en Cancelar para salir de la instalación y cerrar esos programas. "
               "Haga clic en Siguiente para continuar.",
        "P15": "No desconecte el ratón durante la instalación.",
        "P16": "Al terminar, la instalación le pedirá que reinicie el equipo.",
        "P2T": "Contrato de licencia",
        "P21": "Lea el siguiente contrato de licencia. Haga clic en Sí para aceptarlo.",
        "P3T": "Elegir la carpeta de destino",
        "P31": "El programa de instalación instalará %P en la carpeta siguiente.",
        "P32": "Para instalar en esta carpeta, haga clic en Siguiente. Para instalar en otra "
               "carpeta, escriba su ruta a continuación.",
        "P33": "Espacio necesario:",
        "P4T": "Elegir la carpeta de programas",
        "P41": "El programa de instalación agregará los accesos directos a la carpeta de "
               "programas indicada abajo. Puede escribir un nombre de carpeta nuevo o elegir "
               "uno de la lista. Haga clic en Siguiente para continuar.",
        "P42": "Carpeta de programas:",
        "P43": "Carpetas existentes:",
        "P5T": "Listo para instalar",
        "P51": "El programa de instalación tiene toda la información necesaria. Al hacer "
               "clic en Siguiente, copiará los archivos en la carpeta de destino, instalará "
               "el controlador del ratón, agregará los accesos directos al menú Inicio y "
               "registrará el programa para que pueda quitarse más adelante. Para revisar o "
               "cambiar la configuración, haga clic en Atrás. Haga clic en Cancelar para "
               "salir sin instalar.",
        "P7T": "Elegir los componentes",
        "P71": "Seleccione los componentes que desea instalar.",
        "PWHEEL3": "Ratón con rueda de tres botones",
        "PWHEEL31": "Gire la rueda para desplazarse hacia arriba y hacia abajo en un "
                    "documento.",
        "PWHEEL32": "Pulse la rueda para usarla como botón central.",
        "PWHEEL5": "Ratón con rueda de cinco botones",
        "PWHEEL51": "Los dos botones laterales sirven para avanzar y retroceder en el "
                    "explorador Web.",
        "PWHEEL52": "Incline la rueda para desplazarse hacia la izquierda y hacia la derecha "
                    "en un documento.",
        "PFT": "Instalación completada",
        "PF1": "La instalación de %P en su equipo ha terminado.",
        "PF2": "La nueva configuración del ratón se aplicará después de reiniciar el equipo. "
               "Retire los discos de las unidades antes de reiniciar.",
        "PF3": "Haga clic en Finalizar para salir de la instalación.",
        "PF4": "&Sí, deseo reiniciar el equipo ahora.",
        "PF5": "&No, reiniciaré el equipo más tarde.",
    },
    "UNINST": {
        "P1T": "Desinstalación",
        "P1": "Haga clic en Siguiente para quitar el siguiente programa de su equipo:",
        "P2": "Quitando los archivos del programa...",
        "P3": "Quitando las carpetas del programa...",
        "P4": "Quitando las entradas de inicio...",
        "P5": "Quitando los elementos del menú Inicio...",
        "P6": "Quitando las entradas del Registro...",
        "P2T": "Desinstalación completada",
        "P22": "&Sí, deseo reiniciar el equipo ahora.",
        "P23": "&No, reiniciaré el equipo más tarde.",
        "FINISHBTN": "&Finalizar",
        "NEXTBTN": "&Siguiente >",
        "ABORTBTN": "Cancelar",
    },
}

CHS = {
    "MSG": {
        "1": "< 上一步(&B)",
        "2": "下一步(&N) >",
        "4": "取消",
        "7": "完成(&F)",
        "8": "浏览(&R)...",
        "10": "安装程序",
        "11": "安装",
        "12": "鼠标设置",
        "13": "请选择安装语言",
        "20": "退出安装",
        "21": "继续安装(&R)",
        "22": "退出安装(&X)",
        "23": "安装尚未完成。",
        "24": "如果现在退出，程序将不会被安装。",
        "25": "您可以稍后再次运行安装程序来完成安装。",
        "301": "正在复制文件...",
        "302": "正在写入注册表项...",
        "303": "正在安装鼠标驱动程序...",
        "304": "正在创建“开始”菜单快捷方式...",
        "306": "正在注册卸载程序...",
    },
    "DLG": {
        "P1T": "欢迎",
        "P11": "欢迎使用以下产品的安装程序：",
        "P12": "本程序将在您的计算机上安装鼠标软件。",
        "P13": "强烈建议您在继续之前关闭所有其他 Windows 程序。仍在运行的程序可能导致某些文件"
               "无法被替换。",
        "P14": "单击“取消”退出安装程序并关闭这些程序。单击“下一步”继续。",
        "P15": "安装过程中请勿拔下鼠标。",
        "P16": "安装完成后，安装程序会要求您重新启动计算机。",
        "P2T": "许可协议",
        "P21": "请阅读下面的许可协议。单击“是”表示接受。",
        "P3T": "选择目标文件夹",
        "P31": "安装程序将把 %P 安装到下面的文件夹中。",
        "P32": "单击“下一步”安装到此文件夹。如需安装到其他文件夹，请在下面输入其路径。",
        "P33": "所需空间：",
        "P4T": "选择程序文件夹",
        "P41": "安装程序将把程序快捷方式添加到下面指定的程序文件夹中。您可以输入新的文件夹名称，"
               "也可以从现有文件夹列表中选择一个。单击“下一步”继续。",
        "P42": "程序文件夹：",
        "P43": "现有文件夹：",
        "P5T": "准备安装",
        "P51": "安装程序已收集到安装鼠标软件所需的全部信息。单击“下一步”后，安装程序将把程序文件"
               "复制到目标文件夹，安装鼠标驱动程序，在“开始”菜单中添加快捷方式，并注册本程序以便"
               "日后卸载。如需查看或更改设置，请单击“上一步”。单击“取消”可不安装而退出。",
        "P7T": "选择组件",
        "P71": "请选择要安装的组件。",
        "PWHEEL3": "三键滚轮鼠标",
        "PWHEEL31": "转动滚轮可上下滚动文档。",
        "PWHEEL32": "按下滚轮可将其用作中键。",
        "PWHEEL5": "五键滚轮鼠标",
        "PWHEEL51": "两个侧键可在网页浏览器中后退和前进。",
        "PWHEEL52": "倾斜滚轮可左右滚动文档。",
        "PFT": "安装完成",
        "PF1": "安装程序已在您的计算机上安装好 %P。",
        "PF2": "新的鼠标设置将在计算机重新启动后生效。重新启动前请取出驱动器中的所有磁盘。",
        "PF3": "单击“完成”退出安装程序。",
        "PF4": "是，立即重新启动计算机(&Y)。",
        "PF5": "否，稍后再重新启动计算机(&N)。",
    },
    "UNINST": {
        "P1T": "卸载",
        "P1": "单击“下一步”从计算机中删除以下程序：",
        "P2": "正在删除程序文件...",
        "P3": "正在删除程序文件夹...",
        "P4": "正在删除启动项...",
        "P5": "正在删除“开始”菜单项...",
        "P6": "正在删除注册表项...",
        "P2T": "卸载完成",
        "P22": "是，立即重新启动计算机(&Y)。",
        "P23": "否，稍后再重新启动计算机(&N)。",
        "FINISHBTN": "完成(&F)",
        "NEXTBTN": "下一步(&N) >",
        "ABORTBTN": "取消",
    },
}

CHT = {
    "MSG": {
        "1": "< 上一步(&B)",
        "2": "下一步(&N) >",
        "4": "取消",
        "7": "完成(&F)",
        "8": "瀏覽(&R)...",
        "10": "安裝程式",
        "11": "安裝",
        "12": "滑鼠設定",
        "13": "請選擇安裝語言",
        "20": "結束安裝",
        "21": "繼續安裝(&R)",
        "22": "結束安裝(&X)",
        "23": "安裝尚未完成。",
        "24": "如果現在結束，程式將不會被安裝。",
        "25": "您可以稍後再次執行安裝程式來完成安裝。",
        "301": "正在複製檔案...",
        "302": "正在寫入登錄項目...",
        "303": "正在安裝滑鼠驅動程式...",
        "304": "正在建立「開始」功能表捷徑...",
        "306": "正在登錄解除安裝程式...",
    },
    "DLG": {
        "P1T": "歡迎",
        "P11": "歡迎使用以下產品的安裝程式：",
        "P12": "本程式將在您的電腦上安裝滑鼠軟體。",
        "P13": "強烈建議您在繼續之前關閉所有其他 Windows 程式。仍在執行的程式可能使部分檔案"
               "無法被取代。",
        "P14": "按一下「取消」結束安裝程式並關閉這些程式。按一下「下一步」繼續。",
        "P15": "安裝期間請勿拔除滑鼠。",
        "P16": "安裝完成後，安裝程式會要求您重新啟動電腦。",
        "P2T": "授權合約",
        "P21": "請閱讀下列授權合約。按一下「是」表示接受。",
        "P3T": "選擇目的資料夾",
        "P31": "安裝程式將把 %P 安裝到下列資料夾。",
        "P32": "按一下「下一步」安裝到此資料夾。若要安裝到其他資料夾，請在下方輸入其路徑。",
        "P33": "所需空間：",
        "P4T": "選擇程式資料夾",
        "P41": "安裝程式將把程式捷徑新增到下方指定的程式資料夾。您可以輸入新的資料夾名稱，"
               "或從現有資料夾清單中選擇一個。按一下「下一步」繼續。",
        "P42": "程式資料夾：",
        "P43": "現有資料夾：",
        "P5T": "準備安裝",
        "P51": "安裝程式已收集到安裝滑鼠軟體所需的全部資訊。按一下「下一步」後，安裝程式會將程式"
               "檔案複製到目的資料夾、安裝滑鼠驅動程式、在「開始」功能表中新增捷徑，並登錄本程式"
               "以便日後移除。若要檢查或變更設定，請按一下「上一步」。按一下「取消」可不安裝而"
               "結束。",
        "P7T": "選擇元件",
        "P71": "請選擇要安裝的元件。",
        "PWHEEL3": "三鍵滾輪滑鼠",
        "PWHEEL31": "轉動滾輪可上下捲動文件。",
        "PWHEEL32": "按下滾輪可將其當作中鍵使用。",
        "PWHEEL5": "五鍵滾輪滑鼠",
        "PWHEEL51": "兩個側鍵可在網頁瀏覽器中回到上一頁或前往下一頁。",
        "PWHEEL52": "傾斜滾輪可左右捲動文件。",
        "PFT": "安裝完成",
        "PF1": "安裝程式已在您的電腦上安裝好 %P。",
        "PF2": "新的滑鼠設定將在電腦重新啟動後生效。重新啟動前請取出磁碟機中的所有磁片。",
        "PF3": "按一下「完成」結束安裝程式。",
        "PF4": "是，立即重新啟動電腦(&Y)。",
        "PF5": "否，稍後再重新啟動電腦(&N)。",
    },
    "UNINST": {
        "P1T": "解除安裝",
        "P1": "按一下「下一步」從電腦中移除下列程式：",
        "P2": "正在移除程式檔案...",
        "P3": "正在移除程式資料夾...",
        "P4": "正在移除啟動項目...",
        "P5": "正在移除「開始」功能表項目...",
        "P6": "正在移除登錄項目...",
        "P2T": "解除安裝完成",
        "P22": "是，立即重新啟動電腦(&Y)。",
        "P23": "否，稍後再重新啟動電腦(&N)。",
        "FINISHBTN": "完成(&F)",
        "NEXTBTN": "下一步(&N) >",
        "ABORTBTN": "取消",
    },
}

TEXTS = {"chs": CHS, "cht": CHT, "deu": DEU, "nld": NLD, "enu": ENU, "FIN": FIN, "fra": FRA,
         "ita": ITA, "esp": ESP}


def check_language_texts(code, texts):
    """Fails on a missing or surplus key, an over-long text or a stray percent sign."""
    for group, keys in (("MSG", MSG_KEYS), ("DLG", DLG_KEYS), ("UNINST", UNINST_KEYS)):
        if sorted(texts[group]) != sorted(keys):
            raise SystemExit(f"{code} [{group}]: keys differ from the key list")
    for group in ("MSG", "DLG"):
        for key, value in texts[group].items():
            size = len(value.encode(CODE_PAGES[code]))
            if size == 0 or size > LIMITS.get(key, DEFAULT_LIMIT):
                raise SystemExit(f"{code} [{group}] {key}: {size} bytes")
            # The wizard formats P31 and PF1 with the display name; other percent signs
            # would be taken as further conversions.
            expected = 1 if key in ("P31", "PF1") else 0
            if value.count("%") != expected or (expected and "%P" not in value):
                raise SystemExit(f"{code} [{group}] {key}: unexpected percent signs")
    for key, value in texts["UNINST"].items():
        if not value or "\n" in value or "\r" in value:
            raise SystemExit(f"uninst.{code} {key}: empty or multi-line text")


def message_file_lines(code, texts):
    lines = [f"; Sample installation medium: {LANGUAGE_NAMES[code]} texts of the setup wizard"]
    for section, keys in (("MSG", MSG_KEYS), ("DLG", DLG_KEYS)):
        lines.append(f"[{section}]")
        lines.extend(f"{key}={texts[section][key]}" for key in keys)
    return lines


def strings_file_lines(code, texts):
    # The uninstaller skips a line without an equals sign, so the first line can describe the file.
    lines = [f"Sample installation medium: {LANGUAGE_NAMES[code]} texts of the uninstaller"]
    lines.extend(f"{key}={texts['UNINST'][key]}" for key in UNINST_KEYS)
    return lines


def write_lines(path, lines, code_page):
    data = "".join(line + "\r\n" for line in lines).encode(code_page)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def read_ini_sections(path, code_page):
    """Parses a profile file back: {section: {key: value}}; checks the line ends."""
    with open(path, "rb") as source:
        data = source.read()
    text = data.decode(code_page)
    if not text.endswith("\r\n") or "\n" in text.replace("\r\n", ""):
        raise SystemExit(f"{path}: line ends are not CR LF throughout")
    sections = {}
    current = None
    for line in text.split("\r\n"):
        if not line or line.startswith(";"):
            continue
        if line.startswith("["):
            current = sections.setdefault(line[1:line.index("]")], {})
        else:
            key, _, value = line.partition("=")
            current[key] = value
    return sections


def verify_message_file(path, code):
    sections = read_ini_sections(path, CODE_PAGES[code])
    for section, keys in (("MSG", MSG_KEYS), ("DLG", DLG_KEYS)):
        for key in keys:
            if not sections.get(section, {}).get(key):
                raise SystemExit(f"{path}: [{section}] {key} missing or empty")
    for key in ("P31", "PF1"):
        if "%P" not in sections["DLG"][key]:
            raise SystemExit(f"{path}: [DLG] {key} lacks the product placeholder")


def verify_strings_file(path, code):
    with open(path, "rb") as source:
        text = source.read().decode(CODE_PAGES[code])
    found = {}
    for line in text.split("\r\n"):
        if "=" in line:
            key, _, value = line.partition("=")
            found[key] = value
    for key in UNINST_KEYS:
        if not found.get(key):
            raise SystemExit(f"{path}: {key} missing or empty")


def verify_setup_config(path):
    sections = read_ini_sections(path, "ascii")
    for section, keys in SETUP_CONFIG_KEYS.items():
        for key in keys:
            if not sections.get(section, {}).get(key):
                raise SystemExit(f"{path}: [{section}] {key} missing or empty")
    names = [entry.split(",")[1] for entry in sections["Icons"].values()]
    icons = [entry for entry in sections["Icons"].values() if entry.count(",") == 2]
    if not any("%" in name for name in names) or not icons:
        raise SystemExit(f"{path}: [Icons] lacks a formatted name or an icon field")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    medium = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "medium")
    config_path = os.path.join(medium, "setupm.ini")
    write_lines(config_path, SETUP_CONFIG, "ascii")
    verify_setup_config(config_path)
    for code, texts in TEXTS.items():
        check_language_texts(code, texts)
        message_path = os.path.join(medium, "is-00001", f"setuplan.{code}")
        strings_path = os.path.join(medium, "is-00001", f"uninst.{code}")
        write_lines(message_path, message_file_lines(code, texts), CODE_PAGES[code])
        write_lines(strings_path, strings_file_lines(code, texts), CODE_PAGES[code])
        verify_message_file(message_path, code)
        verify_strings_file(strings_path, code)
    print(f"wrote setupm.ini and {2 * len(TEXTS)} language files into {medium}")


if __name__ == "__main__":
    main()
