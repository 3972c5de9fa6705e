<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The Qt texts the program can show, in Estonian: Qt ships none. -->
<TS version="2.1" language="et_EE">
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopeeri</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Kl&amp;eebi</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Lõika</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Kustuta</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Vali kõik</translation>
    </message>
  </context>
  <context>
    <name>QWidgetTextControl</name>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopeeri</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Kl&amp;eebi</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Tee uuesti</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Võta tagasi</translation>
    </message>
    <message>
      <source>Copy &amp;Link Location</source>
      <translation>Kopeeri &amp;lingi aadress</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Lõika</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Kustuta</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Vali kõik</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Ei</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Jah</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Katkesta</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Rakenda</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Loobu</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Sulge</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Hülga</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Abi</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Eira</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>E&amp;i kõigile</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Ava</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Lähtesta</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Taasta vaikeväärtused</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Proovi uuesti</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salvesta</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Salvesta kõik</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Jah &amp;kõigile</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Loobu</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Sulge</translation>
    </message>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salvesta</translation>
    </message>
    <message>
      <source>Close without Saving</source>
      <translation>Sulge salvestamata</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>QDialog</name>
    <message>
      <source>What's This?</source>
      <translation>Mis see on?</translation>
    </message>
  </context>
  <context>
    <name>QFileDialog</name>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Kausta ei leitud.
Kontrollige, kas kausta nimi on õige.</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Faili ei leitud.
Kontrollige, kas faili nimi on õige.</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 on juba olemas.
Kas asendada see?</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Vali</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Kustuta</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>&amp;Uus kaust</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Ava</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>&amp;Nimeta ümber</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salvesta</translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>„%1“ on kirjutuskaitstud.
Kas kustutada see siiski?</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Kõik failid (*)</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Kõik failid (*)</translation>
    </message>
    <message>
      <source>Alt+Left</source>
      <translation>Alt+Left</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Alt+Up</source>
      <translation>Alt+Up</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Kas kustutada „%1“?</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Tagasi</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Näita üksikasjadega loendit</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Näita lihtsat loendit</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Kausta ei saanud kustutada.</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Uus kaust</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Loo uus kaust</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Kustutamine</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Üksikasjalik vaade</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Kaustad</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Kaust:</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>Faili &amp;nimi:</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Failid</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Failitüüp:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Kausta valimine</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Edasi</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Mine tagasi</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Mine edasi</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Mine ülemkausta</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Loendivaade</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Kohtade ja järjehoidjate loend</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Asukoht:</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Uus kaust</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Faili avamine</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Ülemkaust</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Viimati külastatud</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Eemalda</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Faili salvestamine</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Näita veergu </translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Näita &amp;peidetud faile</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Külgriba</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Computer</source>
      <translation>Arvuti</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Muutmisaeg</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Minu arvuti</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nimi</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Suurus</translation>
    </message>
    <message>
      <source>Type</source>
      <comment>All other platforms</comment>
      <translation>Tüüp</translation>
    </message>
  </context>
  <context>
    <name>QAbstractFileIconProvider</name>
    <message>
      <source>Drive</source>
      <translation>Ketas</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Fail</translation>
    </message>
    <message>
      <source>Folder</source>
      <comment>All other platforms</comment>
      <translation>Kaust</translation>
    </message>
    <message>
      <source>Shortcut</source>
      <comment>All other platforms</comment>
      <translation>Viit</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Tundmatu</translation>
    </message>
  </context>
  <context>
    <name>QPrintDialog</name>
    <message>
      <source>%1 already exists.
Do you want to overwrite it?</source>
      <translation>%1 on juba olemas.
Kas kirjutada see üle?</translation>
    </message>
    <message>
      <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
      <translation>%1 ei ole õiges vormis. Eraldage vahemikud ja lehed märgiga ',', märkige vahemik märgiga '-' ja jälgige, et vahemikud ei kattuks.</translation>
    </message>
    <message>
      <source>%1 is a directory.
Please choose a different file name.</source>
      <translation>%1 on kaust.
Valige muu failinimi.</translation>
    </message>
    <message>
      <source>&amp;Options &lt;&lt;</source>
      <translation>&amp;Suvandid &lt;&lt;</translation>
    </message>
    <message>
      <source>&amp;Options &gt;&gt;</source>
      <translation>&amp;Suvandid &gt;&gt;</translation>
    </message>
    <message>
      <source>&amp;Print</source>
      <translation>&amp;Prindi</translation>
    </message>
    <message>
      <source>All Pages</source>
      <translation>Kõik lehed</translation>
    </message>
    <message>
      <source>Bottom to Top, Left to Right</source>
      <translation>Alt üles, vasakult paremale</translation>
    </message>
    <message>
      <source>Bottom to Top, Right to Left</source>
      <translation>Alt üles, paremalt vasakule</translation>
    </message>
    <message>
      <source>Duplex Settings Conflicts</source>
      <translation>Kahepoolse printimise sätete vastuolu</translation>
    </message>
    <message>
      <source>Even Pages</source>
      <translation>Paarislehed</translation>
    </message>
    <message>
      <source>File %1 is not writable.
Please choose a different file name.</source>
      <translation>Faili %1 ei saa kirjutada.
Valige muu failinimi.</translation>
    </message>
    <message>
      <source>Invalid Pages Definition</source>
      <translation>Vigane lehtede määrang</translation>
    </message>
    <message>
      <source>Left to Right, Bottom to Top</source>
      <translation>Vasakult paremale, alt üles</translation>
    </message>
    <message>
      <source>Left to Right, Top to Bottom</source>
      <translation>Vasakult paremale, ülalt alla</translation>
    </message>
    <message>
      <source>Local file</source>
      <translation>Kohalik fail</translation>
    </message>
    <message>
      <source>Odd Pages</source>
      <translation>Paaritud lehed</translation>
    </message>
    <message>
      <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
      <translation>Suvandeid „Lehekülgi lehel” ja „Lehtede valik” ei saa koos kasutada.
Lülitage üks neist välja.</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Printimine</translation>
    </message>
    <message>
      <source>Print To File ...</source>
      <translation>Prindi faili ...</translation>
    </message>
    <message>
      <source>Print to File (PDF)</source>
      <translation>Prindi faili (PDF)</translation>
    </message>
    <message>
      <source>Right to Left, Bottom to Top</source>
      <translation>Paremalt vasakule, alt üles</translation>
    </message>
    <message>
      <source>Right to Left, Top to Bottom</source>
      <translation>Paremalt vasakule, ülalt alla</translation>
    </message>
    <message>
      <source>The 'From' value cannot be greater than the 'To' value.</source>
      <translation>Algus ei saa olla suurem kui lõpp.</translation>
    </message>
    <message>
      <source>There are conflicts in duplex settings. Do you want to fix them?</source>
      <translation>Kahepoolse printimise sätted on vastuolus. Kas soovite need parandada?</translation>
    </message>
    <message>
      <source>Top to Bottom, Left to Right</source>
      <translation>Ülalt alla, vasakult paremale</translation>
    </message>
    <message>
      <source>Top to Bottom, Right to Left</source>
      <translation>Ülalt alla, paremalt vasakule</translation>
    </message>
    <message>
      <source>Write PDF file</source>
      <translation>Kirjuta PDF-fail</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesDialog</name>
    <message>
      <source>Advanced Option Conflicts</source>
      <translation>Täpsemate sätete vastuolu</translation>
    </message>
    <message>
      <source>Job Options</source>
      <translation>Prinditöö sätted</translation>
    </message>
    <message>
      <source>Page Setup Conflicts</source>
      <translation>Lehekülje sätete vastuolu</translation>
    </message>
    <message>
      <source>Printer Properties</source>
      <translation>Printeri atribuudid</translation>
    </message>
    <message>
      <source>There are conflicts in page setup options. Do you want to fix them?</source>
      <translation>Lehekülje sätted on vastuolus. Kas soovite need parandada?</translation>
    </message>
    <message>
      <source>There are conflicts in some advanced options. Do you want to fix them?</source>
      <translation>Mõned täpsemad sätted on vastuolus. Kas soovite need parandada?</translation>
    </message>
  </context>
  <context>
    <name>QPrintPropertiesWidget</name>
    <message>
      <source>Advanced</source>
      <translation>Täpsemalt</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Vorm</translation>
    </message>
    <message>
      <source>Page</source>
      <translation>Lehekülg</translation>
    </message>
    <message>
      <source>There are conflicts in some options. Please fix them.</source>
      <translation>Mõned sätted on vastuolus. Parandage need.</translation>
    </message>
  </context>
  <context>
    <name>QPrintSettingsOutput</name>
    <message>
      <source>Collate</source>
      <translation>Komplekteeri</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Värviline</translation>
    </message>
    <message>
      <source>Color Mode</source>
      <translation>Värvirežiim</translation>
    </message>
    <message>
      <source>Copies</source>
      <translation>Koopiad</translation>
    </message>
    <message>
      <source>Copies:</source>
      <translation>Koopiaid:</translation>
    </message>
    <message>
      <source>Current Page</source>
      <translation>Praegune lehekülg</translation>
    </message>
    <message>
      <source>Double Sided Printing</source>
      <translation>Kahepoolne printimine</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Vorm</translation>
    </message>
    <message>
      <source>Grayscale</source>
      <translation>Halltoonid</translation>
    </message>
    <message>
      <source>Long side binding</source>
      <translation>Köide pikemast servast</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Väljas</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Suvandid</translation>
    </message>
    <message>
      <source>Output Settings</source>
      <translation>Väljundi sätted</translation>
    </message>
    <message>
      <source>Page Set:</source>
      <translation>Lehtede valik:</translation>
    </message>
    <message>
      <source>Pages</source>
      <translation>Leheküljed</translation>
    </message>
    <message>
      <source>Pages from</source>
      <translation>Leheküljed alates</translation>
    </message>
    <message>
      <source>Print all</source>
      <translation>Prindi kõik</translation>
    </message>
    <message>
      <source>Print range</source>
      <translation>Prindivahemik</translation>
    </message>
    <message>
      <source>Reverse</source>
      <translation>Vastupidi</translation>
    </message>
    <message>
      <source>Selection</source>
      <translation>Valik</translation>
    </message>
    <message>
      <source>Short side binding</source>
      <translation>Köide lühemast servast</translation>
    </message>
    <message>
      <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
      <translation>Sisestage leheküljed või vahemikud komadega eraldatult. Vahemik on kaks sidekriipsuga eraldatud arvu. Näiteks 3,5-7,9 prindib leheküljed 3, 5, 6, 7 ja 9.</translation>
    </message>
    <message>
      <source>to</source>
      <translation>kuni</translation>
    </message>
  </context>
  <context>
    <name>QPrintWidget</name>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Nimi:</translation>
    </message>
    <message>
      <source>...</source>
      <translation>...</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Vorm</translation>
    </message>
    <message>
      <source>Location:</source>
      <translation>Asukoht:</translation>
    </message>
    <message>
      <source>Output &amp;file:</source>
      <translation>Väljund&amp;fail:</translation>
    </message>
    <message>
      <source>P&amp;roperties</source>
      <translation>&amp;Atribuudid</translation>
    </message>
    <message>
      <source>Preview</source>
      <translation>Eelvaade</translation>
    </message>
    <message>
      <source>Printer</source>
      <translation>Printer</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tüüp:</translation>
    </message>
  </context>
  <context>
    <name>QPageSetupWidget</name>
    <message>
      <source>Custom</source>
      <translation>Kohandatud</translation>
    </message>
    <message>
      <source>Form</source>
      <translation>Vorm</translation>
    </message>
    <message>
      <source>Height:</source>
      <translation>Kõrgus:</translation>
    </message>
    <message>
      <source>Inches (in)</source>
      <translation>Tollid (in)</translation>
    </message>
    <message>
      <source>Landscape</source>
      <translation>Rõhtpaigutus</translation>
    </message>
    <message>
      <source>Margins</source>
      <translation>Veerised</translation>
    </message>
    <message>
      <source>Millimeters (mm)</source>
      <translation>Millimeetrid (mm)</translation>
    </message>
    <message>
      <source>Orientation</source>
      <translation>Suund</translation>
    </message>
    <message>
      <source>Page Layout</source>
      <translation>Lehekülje paigutus</translation>
    </message>
    <message>
      <source>Page order:</source>
      <translation>Lehekülgede järjestus:</translation>
    </message>
    <message>
      <source>Page size:</source>
      <translation>Lehekülje suurus:</translation>
    </message>
    <message>
      <source>Pages per sheet:</source>
      <translation>Lehekülgi lehel:</translation>
    </message>
    <message>
      <source>Paper</source>
      <translation>Paber</translation>
    </message>
    <message>
      <source>Paper source:</source>
      <translation>Paberi allikas:</translation>
    </message>
    <message>
      <source>Points (pt)</source>
      <translation>Punktid (pt)</translation>
    </message>
    <message>
      <source>Portrait</source>
      <translation>Püstpaigutus</translation>
    </message>
    <message>
      <source>Reverse landscape</source>
      <translation>Ümberpööratud rõhtpaigutus</translation>
    </message>
    <message>
      <source>Reverse portrait</source>
      <translation>Ümberpööratud püstpaigutus</translation>
    </message>
    <message>
      <source>Width:</source>
      <translation>Laius:</translation>
    </message>
    <message>
      <source>bottom margin</source>
      <translation>alumine veeris</translation>
    </message>
    <message>
      <source>in</source>
      <translation>tolli</translation>
    </message>
    <message>
      <source>left margin</source>
      <translation>vasak veeris</translation>
    </message>
    <message>
      <source>right margin</source>
      <translation>parem veeris</translation>
    </message>
    <message>
      <source>top margin</source>
      <translation>ülemine veeris</translation>
    </message>
  </context>
  <context>
    <name>QCupsJobWidget</name>
    <message>
      <source>Banner Pages</source>
      <translation>Tiitellehed</translation>
    </message>
    <message>
      <source>Billing information:</source>
      <translation>Arveldusteave:</translation>
    </message>
    <message>
      <source>Classified</source>
      <translation>Salastatud</translation>
    </message>
    <message>
      <source>Confidential</source>
      <translation>Konfidentsiaalne</translation>
    </message>
    <message>
      <source>Day (06:00 to 17:59)</source>
      <translation>Päeval (06.00–17.59)</translation>
    </message>
    <message>
      <source>End:</source>
      <translation>Lõpp:</translation>
    </message>
    <message>
      <source>Hold Indefinitely</source>
      <translation>Hoia ootel</translation>
    </message>
    <message>
      <source>Job</source>
      <translation>Prinditöö</translation>
    </message>
    <message>
      <source>Job Control</source>
      <translation>Prinditöö juhtimine</translation>
    </message>
    <message>
      <source>Job priority:</source>
      <translation>Prinditöö prioriteet:</translation>
    </message>
    <message>
      <source>Night (18:00 to 05:59)</source>
      <translation>Öösel (18.00–05.59)</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Puudub</translation>
    </message>
    <message>
      <source>Print Immediately</source>
      <translation>Prindi kohe</translation>
    </message>
    <message>
      <source>Scheduled printing:</source>
      <translation>Ajastatud printimine:</translation>
    </message>
    <message>
      <source>Second Shift (16:00 to 23:59)</source>
      <translation>Teine vahetus (16.00–23.59)</translation>
    </message>
    <message>
      <source>Secret</source>
      <translation>Salajane</translation>
    </message>
    <message>
      <source>Specific Time</source>
      <translation>Kindlal ajal</translation>
    </message>
    <message>
      <source>Standard</source>
      <translation>Tavaline</translation>
    </message>
    <message>
      <source>Start:</source>
      <translation>Algus:</translation>
    </message>
    <message>
      <source>Third Shift (00:00 to 07:59)</source>
      <translation>Kolmas vahetus (00.00–07.59)</translation>
    </message>
    <message>
      <source>Top Secret</source>
      <translation>Täiesti salajane</translation>
    </message>
    <message>
      <source>Unclassified</source>
      <translation>Salastamata</translation>
    </message>
    <message>
      <source>Weekend (Saturday to Sunday)</source>
      <translation>Nädalavahetusel (laupäevast pühapäevani)</translation>
    </message>
  </context>
  <context>
    <name>QCupsPrinterSupport</name>
    <message>
      <source>Authentication Needed</source>
      <translation>Vaja on autentida</translation>
    </message>
    <message>
      <source>Authentication needed to use %1 on %2.</source>
      <translation>%1 kasutamiseks serveris %2 on vaja autentida.</translation>
    </message>
    <message>
      <source>Authentication needed to use %1.</source>
      <translation>%1 kasutamiseks on vaja autentida.</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Parool:</translation>
    </message>
    <message>
      <source>Username:</source>
      <translation>Kasutajanimi:</translation>
    </message>
  </context>
  <context>
    <name>Print Device Input Slot</name>
    <message>
      <source>Automatic</source>
      <translation>Automaatne</translation>
    </message>
  </context>
  <context>
    <name>Print Device Output Bin</name>
    <message>
      <source>Automatic</source>
      <translation>Automaatne</translation>
    </message>
  </context>
  <context>
    <name>QPageSize</name>
    <message>
      <source>%1 x %2 in</source>
      <translation>%1 x %2 tolli</translation>
    </message>
    <message>
      <source>A4 Small</source>
      <translation>A4 väike</translation>
    </message>
    <message>
      <source>Custom</source>
      <translation>Kohandatud</translation>
    </message>
    <message>
      <source>Custom (%1CC x %2CC)</source>
      <translation>Kohandatud (%1CC x %2CC)</translation>
    </message>
    <message>
      <source>Custom (%1DD x %2DD)</source>
      <translation>Kohandatud (%1DD x %2DD)</translation>
    </message>
    <message>
      <source>Custom (%1in x %2in)</source>
      <translation>Kohandatud (%1 x %2 tolli)</translation>
    </message>
    <message>
      <source>Custom (%1mm x %2mm)</source>
      <translation>Kohandatud (%1 mm x %2 mm)</translation>
    </message>
    <message>
      <source>Custom (%1pc x %2pc)</source>
      <translation>Kohandatud (%1pc x %2pc)</translation>
    </message>
    <message>
      <source>Custom (%1pt x %2pt)</source>
      <translation>Kohandatud (%1pt x %2pt)</translation>
    </message>
    <message>
      <source>Double Postcard</source>
      <translation>Topeltpostkaart</translation>
    </message>
    <message>
      <source>Envelope B4</source>
      <translation>Ümbrik B4</translation>
    </message>
    <message>
      <source>Envelope B5</source>
      <translation>Ümbrik B5</translation>
    </message>
    <message>
      <source>Envelope B6</source>
      <translation>Ümbrik B6</translation>
    </message>
    <message>
      <source>Envelope C0</source>
      <translation>Ümbrik C0</translation>
    </message>
    <message>
      <source>Envelope C1</source>
      <translation>Ümbrik C1</translation>
    </message>
    <message>
      <source>Envelope C2</source>
      <translation>Ümbrik C2</translation>
    </message>
    <message>
      <source>Envelope C3</source>
      <translation>Ümbrik C3</translation>
    </message>
    <message>
      <source>Envelope C4</source>
      <translation>Ümbrik C4</translation>
    </message>
    <message>
      <source>Envelope C5</source>
      <translation>Ümbrik C5</translation>
    </message>
    <message>
      <source>Envelope C6</source>
      <translation>Ümbrik C6</translation>
    </message>
    <message>
      <source>Envelope C65</source>
      <translation>Ümbrik C65</translation>
    </message>
    <message>
      <source>Envelope C7</source>
      <translation>Ümbrik C7</translation>
    </message>
    <message>
      <source>Envelope Chou 3</source>
      <translation>Ümbrik Chou 3</translation>
    </message>
    <message>
      <source>Envelope Chou 4</source>
      <translation>Ümbrik Chou 4</translation>
    </message>
    <message>
      <source>Envelope DL</source>
      <translation>Ümbrik DL</translation>
    </message>
    <message>
      <source>Envelope Invite</source>
      <translation>Ümbrik kutse</translation>
    </message>
    <message>
      <source>Envelope Italian</source>
      <translation>Ümbrik Itaalia</translation>
    </message>
    <message>
      <source>Envelope Kaku 2</source>
      <translation>Ümbrik Kaku 2</translation>
    </message>
    <message>
      <source>Envelope Kaku 3</source>
      <translation>Ümbrik Kaku 3</translation>
    </message>
    <message>
      <source>Envelope Monarch</source>
      <translation>Ümbrik Monarch</translation>
    </message>
    <message>
      <source>Envelope PRC 1</source>
      <translation>Ümbrik PRC 1</translation>
    </message>
    <message>
      <source>Envelope PRC 10</source>
      <translation>Ümbrik PRC 10</translation>
    </message>
    <message>
      <source>Envelope PRC 2</source>
      <translation>Ümbrik PRC 2</translation>
    </message>
    <message>
      <source>Envelope PRC 3</source>
      <translation>Ümbrik PRC 3</translation>
    </message>
    <message>
      <source>Envelope PRC 4</source>
      <translation>Ümbrik PRC 4</translation>
    </message>
    <message>
      <source>Envelope PRC 5</source>
      <translation>Ümbrik PRC 5</translation>
    </message>
    <message>
      <source>Envelope PRC 6</source>
      <translation>Ümbrik PRC 6</translation>
    </message>
    <message>
      <source>Envelope PRC 7</source>
      <translation>Ümbrik PRC 7</translation>
    </message>
    <message>
      <source>Envelope PRC 8</source>
      <translation>Ümbrik PRC 8</translation>
    </message>
    <message>
      <source>Envelope PRC 9</source>
      <translation>Ümbrik PRC 9</translation>
    </message>
    <message>
      <source>Envelope Personal</source>
      <translation>Ümbrik isiklik</translation>
    </message>
    <message>
      <source>Envelope US 10</source>
      <translation>Ümbrik US 10</translation>
    </message>
    <message>
      <source>Envelope US 11</source>
      <translation>Ümbrik US 11</translation>
    </message>
    <message>
      <source>Envelope US 12</source>
      <translation>Ümbrik US 12</translation>
    </message>
    <message>
      <source>Envelope US 14</source>
      <translation>Ümbrik US 14</translation>
    </message>
    <message>
      <source>Envelope US 9</source>
      <translation>Ümbrik US 9</translation>
    </message>
    <message>
      <source>Envelope You 4</source>
      <translation>Ümbrik You 4</translation>
    </message>
    <message>
      <source>Executive (7.25 x 10.5 in)</source>
      <translation>Executive (7,25 x 10,5 tolli)</translation>
    </message>
    <message>
      <source>Executive (7.5 x 10 in)</source>
      <translation>Executive (7,5 x 10 tolli)</translation>
    </message>
    <message>
      <source>Fan-fold German (8.5 x 12 in)</source>
      <translation>Saksa lõputu paber (8,5 x 12 tolli)</translation>
    </message>
    <message>
      <source>Fan-fold German Legal (8.5 x 13 in)</source>
      <translation>Saksa lõputu paber Legal (8,5 x 13 tolli)</translation>
    </message>
    <message>
      <source>Fan-fold US (14.875 x 11 in)</source>
      <translation>USA lõputu paber (14,875 x 11 tolli)</translation>
    </message>
    <message>
      <source>Folio (8.27 x 13 in)</source>
      <translation>Folio (8,27 x 13 tolli)</translation>
    </message>
    <message>
      <source>Letter Small</source>
      <translation>Letter väike</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Märkmik</translation>
    </message>
    <message>
      <source>PRC 32K Big</source>
      <translation>PRC 32K suur</translation>
    </message>
    <message>
      <source>Postcard</source>
      <translation>Postkaart</translation>
    </message>
  </context>
</TS>
