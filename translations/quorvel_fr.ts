<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Album</name>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>The album cannot be made in the folder of its pictures. Choose another folder for it, for example a new one beside them.</source>
        <translation>L’album ne peut pas être créé dans le dossier de ses images. Choisissez-lui un autre dossier, par exemple un nouveau dossier à côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder; the album was not made.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier&#xa0;; l’album n’a pas été créé.</translation>
    </message>
    <message>
        <source>The album folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier de l’album «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The album&apos;s record &quot;%1&quot; cannot be used: %2 Nothing in the folder was changed; choose an empty folder for the album, or empty this one.</source>
        <translation>Le registre de l’album «&#xa0;%1&#xa0;» est inutilisable&#xa0;: %2 Rien n’a été modifié dans le dossier&#xa0;; choisissez un dossier vide pour l’album, ou videz celui-ci.</translation>
    </message>
    <message>
        <source>This is not a picture file but a folder or a device.</source>
        <translation>Ce n’est pas un fichier image mais un dossier ou un périphérique.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>The album folder &quot;%1&quot; already holds %2, which this program did not make there. Nothing was changed; choose an empty folder for the album.</source>
        <translation>Le dossier de l’album «&#xa0;%1&#xa0;» contient déjà %2, que ce programme n’y a pas créé. Rien n’a été modifié&#xa0;; choisissez un dossier vide pour l’album.</translation>
    </message>
    <message>
        <source>Another picture of this album has the same file name; only the first is in it.</source>
        <translation>Une autre image de cet album porte le même nom de fichier&#xa0;; seule la première y figure.</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>These files of the album are no longer used but could not be deleted: %1.</source>
        <translation>Ces fichiers de l’album ne servent plus mais n’ont pas pu être supprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The album folder holds files this program did not make; they were left as they are: %1.</source>
        <translation>Le dossier de l’album contient des fichiers que ce programme n’a pas créés&#xa0;; ils ont été laissés tels quels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is damaged (%1).</source>
        <translation>Il est endommagé (%1).</translation>
    </message>
    <message>
        <source>It was written by a later version of the program.</source>
        <translation>Il a été écrit par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>not an album&apos;s record</source>
        <translation>ce n’est pas le registre d’un album</translation>
    </message>
    <message>
        <source>There is not enough memory to make the files of this picture.</source>
        <translation>La mémoire ne suffit pas pour créer les fichiers de cette image.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>BlockFormat</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Formatted</source>
        <translation>Préformaté</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titre 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titre 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titre 6</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>Liste numérotée</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>Liste à puces</translation>
    </message>
    <message>
        <source>Definition Term</source>
        <translation>Terme à définir</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Paragraph</source>
        <translation>Paragraphe</translation>
    </message>
</context>
<context>
    <name>CreationRun</name>
    <message>
        <source>&quot;%1&quot;: There is not enough memory to make the thumbnail of this picture.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: la mémoire ne suffit pas pour créer la vignette de cette image.</translation>
    </message>
    <message>
        <source>The gallery page was not written: no name is set for it. Choose one with &quot;Code Options&quot;.</source>
        <translation>La page de galerie n’a pas été écrite&#xa0;: aucun nom ne lui est donné. Choisissez-en un avec «&#xa0;Options du code&#xa0;».</translation>
    </message>
    <message>
        <source>The gallery page &quot;%1&quot; could not be written: a folder has that name.</source>
        <translation>La page de galerie «&#xa0;%1&#xa0;» n’a pas pu être écrite&#xa0;: un dossier porte ce nom.</translation>
    </message>
    <message>
        <source>The gallery page &quot;%1&quot; was not written: it would replace one of the pictures.</source>
        <translation>La page de galerie «&#xa0;%1&#xa0;» n’a pas été écrite&#xa0;: elle remplacerait l’une des images.</translation>
    </message>
    <message>
        <source>The gallery page &quot;%1&quot; could not be written: %2.</source>
        <translation>La page de galerie «&#xa0;%1&#xa0;» n’a pas pu être écrite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>You can NOT create thumbs in the same folder as your original pictures without 
<byte value="xd"/>renaming the thumbnail(s). Doing so would overwrite the original picture!</source>
        <translation>Vous ne pouvez PAS créer les vignettes dans le dossier de vos images d’origine sans 
<byte value="xd"/>renommer la ou les vignettes. Cela écraserait l’image d’origine&#xa0;!</translation>
    </message>
    <message>
        <source>The prefix &quot;%1&quot; holds a folder separator. A thumbnail name cannot lead into another folder; choose a prefix without &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Le préfixe «&#xa0;%1&#xa0;» contient un séparateur de dossiers. Le nom d’une vignette ne peut pas mener dans un autre dossier&#xa0;; choisissez un préfixe sans «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the pictures; its thumbnail was not written over it.</source>
        <translation>«&#xa0;%1&#xa0;» est l’une des images&#xa0;; sa vignette n’a pas été écrite par-dessus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The page shows the picture %1, which could not be put beside it: %2</source>
        <translation>La page montre l’image %1, qui n’a pas pu être placée à côté d’elle&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Making thumbnails: %1 of %2 done</source>
        <translation>Création des vignettes&#xa0;: %1 sur %2 faites</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>The gallery page was not written.</source>
        <translation>La page de galerie n’a pas été écrite.</translation>
    </message>
    <message>
        <source>Thumbnail Creation Completed!</source>
        <translation>Création des vignettes terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Pictures that could not be put in the album:</source>
        <translation>Images qui n’ont pas pu être mises dans l’album&#xa0;:</translation>
    </message>
    <message>
        <source>The album %1 is made. Pictures in it: %2; made now: %3; already up to date: %4; removed: %5.</source>
        <translation>L’album %1 est créé. Images qu’il contient&#xa0;: %2&#xa0;; créées maintenant&#xa0;: %3&#xa0;; déjà à jour&#xa0;: %4&#xa0;; retirées&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Making the album was cancelled; it holds what was done.</source>
        <translation>La création de l’album a été annulée&#xa0;; il contient ce qui a été fait.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures gave no thumbnail:</source>
        <translation>
            <numerusform>Image sans vignette (%1 sur %n)&#xa0;:</numerusform>
            <numerusform>Images sans vignette (%1 sur %n)&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Thumbnail creation was cancelled: %1 of %n thumbnails were made.</source>
        <translation>
            <numerusform>La création des vignettes a été annulée (vignette créée&#xa0;: %1 sur %n).</numerusform>
            <numerusform>La création des vignettes a été annulée (vignettes créées&#xa0;: %1 sur %n).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Thumbnail creation finished, but not everything could be written: %1 of %n thumbnails were written.</source>
        <translation>
            <numerusform>La création des vignettes est terminée, mais tout n’a pas pu être écrit (vignette écrite&#xa0;: %1 sur %n).</numerusform>
            <numerusform>La création des vignettes est terminée, mais tout n’a pas pu être écrit (vignettes écrites&#xa0;: %1 sur %n).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Making the album: %1 of %n pictures done</source>
        <translation>
            <numerusform>Création de l’album&#xa0;: %1 sur %n image</numerusform>
            <numerusform>Création de l’album&#xa0;: %1 sur %n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valable</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Document contains a frameset</source>
        <translation>Le document contient un jeu de cadres (frameset)</translation>
    </message>
    <message>
        <source>Document is primarily server side script</source>
        <translation>Le document est surtout un script exécuté côté serveur</translation>
    </message>
    <message>
        <source>Not a web page</source>
        <translation>Ce n’est pas une page web</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a PNG picture</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>une image WebP</translation>
    </message>
    <message>
        <source>a TIFF picture</source>
        <translation>une image TIFF</translation>
    </message>
    <message>
        <source>a HEIF picture</source>
        <translation>une image HEIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>une archive ZIP</translation>
    </message>
    <message>
        <source>a compressed archive</source>
        <translation>une archive compressée</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message>
        <source>text that is not valid %1, its character set</source>
        <translation>du texte qui n’est pas du %1 valable, son jeu de caractères</translation>
    </message>
    <message>
        <source>an SVG picture</source>
        <translation>une image SVG</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The GIF file is truncated: its data ends before the first picture is complete.</source>
        <translation>Le fichier GIF est tronqué&#xa0;: ses données s’arrêtent avant la fin de la première image.</translation>
    </message>
    <message>
        <source>The file is not a GIF picture.</source>
        <translation>Le fichier n’est pas une image GIF.</translation>
    </message>
    <message>
        <source>There is not enough memory to decode the GIF picture.</source>
        <translation>La mémoire ne suffit pas pour décoder l’image GIF.</translation>
    </message>
    <message>
        <source>The GIF file is damaged (%1).</source>
        <translation>Le fichier GIF est endommagé (%1).</translation>
    </message>
    <message>
        <source>The GIF file cannot be read (%1).</source>
        <translation>Le fichier GIF ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels is more than this program decodes.</source>
        <translation>L’image est trop grande&#xa0;: %1 x %2 pixels, c’est plus que ce programme ne décode.</translation>
    </message>
    <message>
        <source>The GIF file is damaged (its first picture has no pixels).</source>
        <translation>Le fichier GIF est endommagé (sa première image n’a aucun pixel).</translation>
    </message>
    <message>
        <source>The GIF file is damaged (its first picture has no colour table).</source>
        <translation>Le fichier GIF est endommagé (sa première image n’a pas de table des couleurs).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The GIF file holds no picture.</source>
        <translation>Le fichier GIF ne contient aucune image.</translation>
    </message>
    <message>
        <source>The JPEG file is cut into more than %1 scans, far more than any picture needs.</source>
        <translation>Le fichier JPEG est découpé en plus de %1 passes, bien plus qu’aucune image n’en a besoin.</translation>
    </message>
    <message>
        <source>The JPEG file is truncated: its data ends before the picture is complete.</source>
        <translation>Le fichier JPEG est tronqué&#xa0;: ses données s’arrêtent avant la fin de l’image.</translation>
    </message>
    <message>
        <source>The JPEG file is damaged: its picture data is corrupt (%1).</source>
        <translation>Le fichier JPEG est endommagé&#xa0;: ses données d’image sont corrompues (%1).</translation>
    </message>
    <message>
        <source>The picture is too large for JPEG (%1).</source>
        <translation>L’image est trop grande pour le JPEG (%1).</translation>
    </message>
    <message>
        <source>The JPEG picture needs more memory to decode than the %1 MB allowed.</source>
        <translation>L’image JPEG demande plus de mémoire pour être décodée que les %1 Mo permis.</translation>
    </message>
    <message>
        <source>The JPEG file cannot be read: %1.</source>
        <translation>Le fichier JPEG ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the picture.</source>
        <translation>La mémoire ne suffit pas pour lire l’image.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The JPEG file uses a colour layout this program cannot show (%1 components).</source>
        <translation>Le fichier JPEG utilise une organisation des couleurs que ce programme ne sait pas afficher (%1 composantes).</translation>
    </message>
    <message>
        <source>The JPEG file is truncated or damaged: it is far too short for the %1 x %2 pixels its header claims.</source>
        <translation>Le fichier JPEG est tronqué ou endommagé&#xa0;: il est bien trop court pour les %1 x %2 pixels qu’annonce son en-tête.</translation>
    </message>
    <message>
        <source>The JPEG file cannot be read: unexpected number of colour components.</source>
        <translation>Le fichier JPEG ne peut pas être lu&#xa0;: nombre inattendu de composantes de couleur.</translation>
    </message>
    <message>
        <source>There is not enough memory to decode the picture (%1 x %2 pixels).</source>
        <translation>La mémoire ne suffit pas pour décoder l’image (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>There is no picture to encode.</source>
        <translation>Il n’y a aucune image à encoder.</translation>
    </message>
    <message>
        <source>The JPEG encoder takes RGB888 or Grayscale8 pictures only.</source>
        <translation>L’encodeur JPEG n’accepte que des images RGB888 ou Grayscale8.</translation>
    </message>
    <message>
        <source>The JPEG picture cannot be written: %1.</source>
        <translation>L’image JPEG ne peut pas être écrite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is not a picture in a format this program reads.</source>
        <translation>Le fichier n’est pas une image dans un format que ce programme lit.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1.</source>
        <translation>L’image ne peut pas être lue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is not enough memory to decode the picture.</source>
        <translation>La mémoire ne suffit pas pour décoder l’image.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>This is not a picture file but a folder or a device.</source>
        <translation>Ce n’est pas un fichier image mais un dossier ou un périphérique.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There is not enough memory to make the thumbnail.</source>
        <translation>La mémoire ne suffit pas pour créer la vignette.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the picture the thumbnail is made from; it was not overwritten.</source>
        <translation>«&#xa0;%1&#xa0;» est l’image dont la vignette est tirée&#xa0;; elle n’a pas été écrasée.</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file or folder does not exist</source>
        <translation>Le fichier ou le dossier n’existe pas</translation>
    </message>
    <message>
        <source>No program is set up to open it</source>
        <translation>Aucun programme n’est configuré pour l’ouvrir</translation>
    </message>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Impossible de charger «&#xa0;%1&#xa0;»&#xa0;: %2 (erreur %3)</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
</context>
<context>
    <name>quorvel-batch</name>
    <message>
        <source>%1 needs a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 demande un nombre entier de %2 à %3, pas «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>--dct takes slow, fast or float, not &quot;%1&quot;.</source>
        <translation>--dct accepte slow, fast ou float, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--sort takes name or date, not &quot;%1&quot;.</source>
        <translation>--sort accepte name ou date, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown option %1 (see --help).</source>
        <translation>Option inconnue %1 (voir --help).</translation>
    </message>
    <message>
        <source>Give a SOURCE and a DEST folder (see --help).</source>
        <translation>Indiquez un dossier SOURCE et un dossier DEST (voir --help).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier.</translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <translation>, %1 à jour</translation>
    </message>
    <message>
        <source>, gallery page %1</source>
        <translation>, page de galerie %1</translation>
    </message>
    <message>
        <source>thumbnail size in pixels, 1 to 32767 (default 90)</source>
        <translation>taille des vignettes en pixels, de 1 à 32767 (90 par défaut)</translation>
    </message>
    <message>
        <source>thumbnails without the frame</source>
        <translation>vignettes sans cadre</translation>
    </message>
    <message>
        <source>name each thumbnail P + picture name</source>
        <translation>nommer chaque vignette P + nom de l’image</translation>
    </message>
    <message>
        <source>also write the gallery page NAME in SOURCE</source>
        <translation>écrire aussi la page de galerie NAME dans SOURCE</translation>
    </message>
    <message>
        <source>image folder reference put before each thumbnail name</source>
        <translation>référence du dossier des images, placée avant chaque nom de vignette</translation>
    </message>
    <message>
        <source>lay the page out as a table of N columns</source>
        <translation>disposer la page en tableau de N colonnes</translation>
    </message>
    <message>
        <source>table border 1 (default 0)</source>
        <translation>bordure du tableau 1 (0 par défaut)</translation>
    </message>
    <message>
        <source>header text: the file&apos;s contents, verbatim (default empty)</source>
        <translation>texte d’en-tête&#xa0;: le contenu du fichier, tel quel (vide par défaut)</translation>
    </message>
    <message>
        <source>footer text, likewise</source>
        <translation>texte de pied de page, de même</translation>
    </message>
    <message>
        <source>JPEG quality, 0 (as 1, the lowest) to 100 (default 85)</source>
        <translation>qualité JPEG, de 0 (comme 1, la plus basse) à 100 (85 par défaut)</translation>
    </message>
    <message>
        <source>JPEG smoothing, 0 to 100 (default 0)</source>
        <translation>lissage JPEG, de 0 à 100 (0 par défaut)</translation>
    </message>
    <message>
        <source>slow, fast or float (default fast)</source>
        <translation>slow, fast ou float (fast par défaut)</translation>
    </message>
    <message>
        <source>optimized Huffman coding off (on by default)</source>
        <translation>sans codage de Huffman optimisé (actif par défaut)</translation>
    </message>
    <message>
        <source>smooth chroma upsampling when decoding</source>
        <translation>suréchantillonnage lissé de la chrominance au décodage</translation>
    </message>
    <message>
        <source>leave thumbnails that are newer than their picture and of
the size asked for (off: every thumbnail is written)</source>
        <translation>laisser les vignettes plus récentes que leur image et de
la taille demandée (sinon&#xa0;: chaque vignette est écrite)</translation>
    </message>
    <message>
        <source>worker threads (default: one per core)</source>
        <translation>fils de travail (par défaut&#xa0;: un par cœur)</translation>
    </message>
    <message>
        <source>make or update a web album in ALBUM</source>
        <translation>créer ou mettre à jour un album web dans ALBUM</translation>
    </message>
    <message>
        <source>the page&apos;s title (default: SOURCE&apos;s folder name)</source>
        <translation>titre de la page (par défaut&#xa0;: nom du dossier SOURCE)</translation>
    </message>
    <message>
        <source>text under the title; blank lines separate paragraphs</source>
        <translation>texte sous le titre&#xa0;; les lignes vides séparent les paragraphes</translation>
    </message>
    <message>
        <source>text at the end of the page</source>
        <translation>texte à la fin de la page</translation>
    </message>
    <message>
        <source>longer side of the web-size copies, 640 to 4096
(default 2048; smaller pictures keep their size)</source>
        <translation>grand côté des copies en taille web, de 640 à 4096
(2048 par défaut&#xa0;; les images plus petites gardent leur taille)</translation>
    </message>
    <message>
        <source>thumbnail height, 60 to 600 (default 200)</source>
        <translation>hauteur des vignettes, de 60 à 600 (200 par défaut)</translation>
    </message>
    <message>
        <source>name or date (capture date; default name)</source>
        <translation>name ou date (date de prise de vue&#xa0;; name par défaut)</translation>
    </message>
    <message>
        <source>also copy the originals, bytes unchanged, and link them
as &quot;download original&quot;: they keep their EXIF, GPS
position and camera serial number included</source>
        <translation>copier aussi les originaux, octets inchangés, et les lier
comme «&#xa0;télécharger l’original&#xa0;»&#xa0;: ils gardent leurs données
EXIF, position GPS et numéro de série de l’appareil compris</translation>
    </message>
    <message>
        <source>no capture date and camera under the pictures</source>
        <translation>ni date de prise de vue ni appareil sous les images</translation>
    </message>
    <message>
        <source>no summary line, nor the line saying a folder was made</source>
        <translation>ni ligne de bilan, ni ligne annonçant un dossier créé</translation>
    </message>
    <message>
        <source>show the count of pictures done on standard error: one
line kept up to date on a terminal, otherwise a line
each time the count changes</source>
        <translation>afficher le nombre d’images faites sur la sortie d’erreur&#xa0;:
une ligne tenue à jour dans un terminal, sinon une ligne
à chaque changement du nombre</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>afficher ce texte</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Web album (-q sets the quality of its files):
</source>
        <translation>Album web (-q règle la qualité de ses fichiers)&#xa0;:
</translation>
    </message>
    <message>
        <source>Exit status (with --album, the album&apos;s files and page count as thumbnails and page):
  0  every thumbnail was written, and the page when asked for
  1  refused, nothing written (thumbnails would replace the pictures)
  2  bad options or folders
  3  finished, but some pictures could not be read; the rest was written
  4  thumbnails or the page could not be written (a full disk, ...), or DEST
     could not be made
Whatever failed is named on standard error with the reason.
</source>
        <translation>Code de sortie (avec --album, les fichiers et la page de l’album comptent comme
vignettes et page)&#xa0;:
  0  chaque vignette a été écrite, et la page si elle était demandée
  1  refusé, rien n’a été écrit (les vignettes remplaceraient les images)
  2  options ou dossiers incorrects
  3  terminé, mais certaines images n’ont pas pu être lues&#xa0;; le reste a été écrit
  4  les vignettes ou la page n’ont pas pu être écrites (disque plein, ...), ou
     DEST n’a pas pu être créé
Tout ce qui a échoué est nommé sur la sortie d’erreur, avec la raison.
</translation>
    </message>
    <message>
        <source>%1 (see --help).</source>
        <translation>%1 (voir --help).</translation>
    </message>
    <message>
        <source>Cannot read %1 &quot;%2&quot;: %3.</source>
        <translation>Impossible de lire %1 «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>--page needs a file name that is not blank and does not begin with &quot;.&quot;.</source>
        <translation>--page demande un nom de fichier non vide qui ne commence pas par «&#xa0;.&#xa0;».</translation>
    </message>
    <message>
        <source>--page needs a file name without a folder: the page is written in SOURCE.</source>
        <translation>--page demande un nom de fichier sans dossier&#xa0;: la page est écrite dans SOURCE.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures</source>
        <translation>
            <numerusform>%1 sur %n image</numerusform>
            <numerusform>%1 sur %n images</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Created folder %1.</source>
        <translation>Dossier %1 créé.</translation>
    </message>
    <message numerus="yes">
        <source>Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.</source>
        <translation>
            <numerusform>Album %1&#xa0;: %n image, %2 créées, %3 à jour, %4 retirées, %5 en échec.</numerusform>
            <numerusform>Album %1&#xa0;: %n images, %2 créées, %3 à jour, %4 retirées, %5 en échec.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnails written to %1</source>
        <translation>
            <numerusform>%n vignette écrite dans %1</numerusform>
            <numerusform>%n vignettes écrites dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n pictures failed</source>
        <translation>
            <numerusform>, %n image en échec</numerusform>
            <numerusform>, %n images en échec</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: quorvel-batch [options] SOURCE DEST
       quorvel-batch --album [options] SOURCE ALBUM
Makes a thumbnail of every *.jpg and *.gif picture of SOURCE in DEST and, with
--page, a gallery page in SOURCE that links each thumbnail to its picture.
With --album, makes or updates a web album of SOURCE&apos;s pictures (JPEG, PNG, GIF,
WebP, HEIC/HEIF, AVIF and TIFF, told by their content whatever their names) in
the folder ALBUM instead: thumbnails, web-size copies without any metadata,
index.html; a rerun remakes only what changed.
DEST or ALBUM is made, with the folders above it, when it does not exist.
</source>
        <translation>Utilisation : quorvel-batch [options] SOURCE DEST
              quorvel-batch --album [options] SOURCE ALBUM
Crée dans DEST une vignette de chaque image *.jpg et *.gif de SOURCE et, avec
--page, une page de galerie dans SOURCE qui relie chaque vignette à son image.
Avec --album, crée ou met à jour à la place un album web des images de SOURCE
(JPEG, PNG, GIF, WebP, HEIC/HEIF, AVIF et TIFF, reconnues à leur contenu quel que
soit leur nom) dans le dossier ALBUM : vignettes, copies en taille web sans
aucune métadonnée, index.html ; une nouvelle exécution ne refait que ce qui a
changé. DEST ou ALBUM est créé, avec les dossiers au-dessus, s’il n’existe pas.
</translation>
    </message>
</context>
<context>
    <name>quorvel::CommandLine</name>
    <message>
        <source>quorvel: unknown option &apos;%1&apos;</source>
        <translation>quorvel&#xa0;: option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>quorvel: takes no file or folder (&apos;%1&apos;)</source>
        <translation>quorvel&#xa0;: n’accepte ni fichier ni dossier («&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;quorvel --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPLv3+&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Usage: quorvel [OPTION]
Make thumbnails and an HTML gallery page from a folder of pictures.
Started without options, Quorvel opens its main window.
</source>
        <translation>Utilisation&#xa0;: quorvel [OPTION]
Crée des vignettes et une page de galerie HTML à partir d’un dossier d’images.
Lancé sans option, Quorvel ouvre sa fenêtre principale.
</translation>
    </message>
    <message>
        <source>The manual opens with F1 in every window, or from File &gt; Help.
To make thumbnails and a gallery page from a script, see quorvel-batch --help.
</source>
        <translation>Le manuel s’ouvre avec F1 dans chaque fenêtre, ou par Fichier &gt; Aide.
Pour créer des vignettes et une page de galerie depuis un script, voir quorvel-batch --help.
</translation>
    </message>
</context>
<context>
    <name>quorvel::DocumentEditor</name>
    <message>
        <source>Page being edited</source>
        <translation>Page en cours de modification</translation>
    </message>
    <message>
        <source>Page editor</source>
        <translation>Éditeur de page</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>Pages web (*.html *.htm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>text too long to open unless the file&apos;s name ends in .html or .htm</source>
        <translation>un texte trop long pour être ouvert, sauf si le nom du fichier se termine par .html ou .htm</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The editor does not insert scripts or event handlers. Left out: %1.</source>
        <translation>L’éditeur n’insère ni scripts ni gestionnaires d’événements. Laissé de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.gif *.png *.bmp);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.gif *.png *.bmp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Address (URL) of the link:</source>
        <translation>Adresse (URL) du lien&#xa0;:</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Ancre</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find Text</source>
        <translation>Rechercher du texte</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>Impossible de trouver «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quorvel::FolderPickerDialog</name>
    <message>
        <source>Save to.....</source>
        <translation>Enregistrer dans.....</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>quorvel::Form1</name>
    <message>
        <source>Choose a picture with &quot;Browse&quot; first.</source>
        <translation>Choisissez d’abord une image avec «&#xa0;Parcourir&#xa0;».</translation>
    </message>
    <message>
        <source>Choose the folder for the thumbnail, or clear &quot;Use Paths when creating Thumbnails&quot;.</source>
        <translation>Choisissez le dossier de la vignette, ou décochez «&#xa0;Utiliser les chemins pour créer les vignettes&#xa0;».</translation>
    </message>
    <message>
        <source>Choose the folder to copy the picture to, or clear &quot;Copy Images to Image Path&quot;.</source>
        <translation>Choisissez le dossier où copier l’image, ou décochez «&#xa0;Copier les images dans le dossier des images&#xa0;».</translation>
    </message>
    <message>
        <source>The thumbnail would be written over the picture itself (&quot;%1&quot;). Tick &quot;Rename Thumbnail&quot; or choose another folder for the thumbnail.</source>
        <translation>La vignette serait écrite par-dessus l’image elle-même («&#xa0;%1&#xa0;»). Cochez «&#xa0;Renommer la vignette&#xa0;» ou choisissez un autre dossier pour la vignette.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Insert Thumbnail</source>
        <translation>Insérer une vignette</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Thumbnail preview</source>
        <translation>Aperçu de la vignette</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Taille de la vignette</translation>
    </message>
    <message>
        <source>Thumbnail size in pixels</source>
        <translation>Taille de la vignette en pixels</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Sans bordure</translation>
    </message>
    <message>
        <source>Rename Thumbnail</source>
        <translation>Renommer la vignette</translation>
    </message>
    <message>
        <source>Thumbnail name prefix</source>
        <translation>Préfixe du nom de la vignette</translation>
    </message>
    <message>
        <source>ALT text:</source>
        <translation>Texte ALT&#xa0;:</translation>
    </message>
    <message>
        <source>Use Server Paths</source>
        <translation>Utiliser les chemins du serveur</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Vignettes&#xa0;:</translation>
    </message>
    <message>
        <source>Use Paths when creating Thumbnails</source>
        <translation>Utiliser les chemins pour créer les vignettes</translation>
    </message>
    <message>
        <source>Folder the thumbnail is written to</source>
        <translation>Dossier où la vignette est écrite</translation>
    </message>
    <message>
        <source>Choose the thumbnail folder</source>
        <translation>Choisir le dossier des vignettes</translation>
    </message>
    <message>
        <source>Copy Images to Image Path</source>
        <translation>Copier les images dans le dossier des images</translation>
    </message>
    <message>
        <source>Folder the picture is copied to</source>
        <translation>Dossier où l’image est copiée</translation>
    </message>
    <message>
        <source>Choose the image folder</source>
        <translation>Choisir le dossier des images</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Remember both folders</source>
        <translation>Retenir les deux dossiers</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg *.gif *.JPG *.GIF)</source>
        <translation>Toutes les images (*.jpg *.gif *.JPG *.GIF)</translation>
    </message>
    <message>
        <source>Error reading file!</source>
        <translation>Erreur de lecture du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>The thumbnail could not be written: %1</source>
        <translation>La vignette n’a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture could not be copied to the image folder: %1</source>
        <translation>L’image n’a pas pu être copiée dans le dossier des images&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folders were not saved. %1</source>
        <translation>Les dossiers n’ont pas été enregistrés. %1</translation>
    </message>
</context>
<context>
    <name>quorvel::Form2</name>
    <message>
        <source>Image Replace</source>
        <translation>Remplacement d’images</translation>
    </message>
    <message>
        <source>Select Images:</source>
        <translation>Choisir les images&#xa0;:</translation>
    </message>
    <message>
        <source>new pictures</source>
        <translation>nouvelles images</translation>
    </message>
    <message>
        <source>Create Thumbnails in:</source>
        <translation>Créer les vignettes dans&#xa0;:</translation>
    </message>
    <message>
        <source>thumbnail</source>
        <translation>vignettes</translation>
    </message>
    <message>
        <source>Copy Files To:</source>
        <translation>Copier les fichiers dans&#xa0;:</translation>
    </message>
    <message>
        <source>pictures to replace</source>
        <translation>images à remplacer</translation>
    </message>
    <message>
        <source>Drive of the %1</source>
        <translation>Lecteur des %1</translation>
    </message>
    <message>
        <source>Folder of the %1</source>
        <translation>Dossier des %1</translation>
    </message>
    <message>
        <source>Select the new pictures; double-click one to view it</source>
        <translation>Choisissez les nouvelles images&#xa0;; double-cliquez sur l’une d’elles pour la voir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Copy the selected pictures over the pictures to replace and make their thumbnails</source>
        <translation>Copier les images choisies par-dessus les images à remplacer et créer leurs vignettes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Could Not open image file.</source>
        <translation>Impossible d’ouvrir le fichier image.</translation>
    </message>
    <message>
        <source>Replacing pictures: %1 of %2 done</source>
        <translation>Remplacement des images&#xa0;: %1 sur %2 faites</translation>
    </message>
    <message>
        <source>Image Replace was cancelled; no picture was replaced.</source>
        <translation>Le remplacement d’images a été annulé&#xa0;; aucune image n’a été remplacée.</translation>
    </message>
    <message numerus="yes">
        <source>Image Replace finished, but %n of the files could not be written.</source>
        <translation>
            <numerusform>Le remplacement d’images est terminé, mais %n fichier n’a pas pu être écrit.</numerusform>
            <numerusform>Le remplacement d’images est terminé, mais %n fichiers n’ont pas pu être écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Thumbnail Creation Completed!</source>
        <translation>Création des vignettes terminée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvel::Form4</name>
    <message>
        <source>Add a line to the html coding</source>
        <translation>Ajouter une ligne au code HTML</translation>
    </message>
    <message>
        <source>Add a paragraph to the html coding</source>
        <translation>Ajouter un paragraphe au code HTML</translation>
    </message>
    <message>
        <source>heading 1</source>
        <translation>titre 1</translation>
    </message>
    <message>
        <source>heading 2</source>
        <translation>titre 2</translation>
    </message>
    <message>
        <source>heading 3</source>
        <translation>titre 3</translation>
    </message>
    <message>
        <source>heading 4</source>
        <translation>titre 4</translation>
    </message>
    <message>
        <source>heading 5</source>
        <translation>titre 5</translation>
    </message>
    <message>
        <source>heading 6</source>
        <translation>titre 6</translation>
    </message>
    <message>
        <source>Center Html coding</source>
        <translation>Centrer le code HTML</translation>
    </message>
    <message>
        <source>Insert line break</source>
        <translation>Insérer un saut de ligne</translation>
    </message>
    <message>
        <source>Bold text</source>
        <translation>Texte en gras</translation>
    </message>
    <message>
        <source>Italic Text</source>
        <translation>Texte en italique</translation>
    </message>
    <message>
        <source>Underline Text</source>
        <translation>Texte souligné</translation>
    </message>
    <message>
        <source>Body/Textcolor</source>
        <translation>Fond/Couleur du texte</translation>
    </message>
    <message>
        <source>Change the body/text color</source>
        <translation>Changer la couleur du fond et du texte</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Bannière</translation>
    </message>
    <message>
        <source>B&amp;ase</source>
        <translation>B&amp;ase</translation>
    </message>
    <message>
        <source>B&amp;ody</source>
        <translation>&amp;Corps</translation>
    </message>
    <message>
        <source>&amp;Head</source>
        <translation>&amp;En-tête</translation>
    </message>
    <message>
        <source>H&amp;TML</source>
        <translation>H&amp;TML</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>&amp;Blink</source>
        <translation>&amp;Clignotant</translation>
    </message>
    <message>
        <source>B&amp;old</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Emphasis</source>
        <translation>&amp;Emphase</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Undelined</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>S&amp;ubscript</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Su&amp;perscript</source>
        <translation>E&amp;xposant</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Titre 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Titre 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Titre 6</translation>
    </message>
    <message>
        <source>Insert Link....</source>
        <translation>Insérer un lien....</translation>
    </message>
    <message>
        <source>Insert Image....</source>
        <translation>Insérer une image....</translation>
    </message>
    <message>
        <source>HTML Heading and Footing</source>
        <translation>En-tête et pied de page HTML</translation>
    </message>
    <message>
        <source>Edit Header</source>
        <translation>Modifier l’en-tête</translation>
    </message>
    <message>
        <source>Edit the Header below</source>
        <translation>Modifiez l’en-tête ci-dessous</translation>
    </message>
    <message>
        <source>Edit Footer</source>
        <translation>Modifier le pied de page</translation>
    </message>
    <message>
        <source>Edit the Footer below</source>
        <translation>Modifiez le pied de page ci-dessous</translation>
    </message>
    <message>
        <source>HTML Header:</source>
        <translation>En-tête HTML&#xa0;:</translation>
    </message>
    <message>
        <source>HTML Header</source>
        <translation>En-tête HTML</translation>
    </message>
    <message>
        <source>HTML Footer:</source>
        <translation>Pied de page HTML&#xa0;:</translation>
    </message>
    <message>
        <source>HTML Footer</source>
        <translation>Pied de page HTML</translation>
    </message>
    <message>
        <source>O&amp;pen</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save as Default Header/Footer</source>
        <translation>Enregistrer comme en-tête et pied de page par défaut</translation>
    </message>
    <message>
        <source>Save this as your default Header/Footer</source>
        <translation>Enregistrer ceci comme votre en-tête et pied de page par défaut</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>use this Header/Footer in your coding</source>
        <translation>utiliser cet en-tête et ce pied de page dans votre code</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Save as &amp;Default</source>
        <translation>Enregistrer par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Page structure tags</source>
        <translation>Balises de &amp;structure de page</translation>
    </message>
    <message>
        <source>P&amp;hysical font style tags</source>
        <translation>Balises de st&amp;yle de police physique</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <translation>&amp;Titres</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Body Background</source>
        <translation>&amp;Fond de la page</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Lien</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Monospace Font</source>
        <translation>Police à &amp;chasse fixe</translation>
    </message>
    <message>
        <source>Open Header.....</source>
        <translation>Ouvrir un en-tête.....</translation>
    </message>
    <message>
        <source>Open Footer.....</source>
        <translation>Ouvrir un pied de page.....</translation>
    </message>
    <message>
        <source>Save Header.....</source>
        <translation>Enregistrer l’en-tête.....</translation>
    </message>
    <message>
        <source>Save Footer.....</source>
        <translation>Enregistrer le pied de page.....</translation>
    </message>
    <message>
        <source>Select BodyColor</source>
        <translation>Choisir la couleur du fond</translation>
    </message>
    <message>
        <source>Select TextColor</source>
        <translation>Choisir la couleur du texte</translation>
    </message>
    <message>
        <source>The header and footer you changed are not in use. Close the editor and lose the changes?</source>
        <translation>L’en-tête et le pied de page que vous avez modifiés ne sont pas utilisés. Fermer l’éditeur et perdre les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm);;All files (*)</source>
        <translation>HTML (*.html *.htm);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quorvel::Form5</name>
    <message>
        <source>Defaults....</source>
        <translation>Valeurs par défaut....</translation>
    </message>
    <message>
        <source>Defaults pages</source>
        <translation>Pages des valeurs par défaut</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Thumbnails options</source>
        <translation>Options des vignettes</translation>
    </message>
    <message>
        <source>&amp;Save defaults</source>
        <translation>&amp;Enregistrer les valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>To Download the Latest version:</source>
        <translation>Pour télécharger la dernière version&#xa0;:</translation>
    </message>
    <message>
        <source>Getting the latest version (the manual)</source>
        <translation>Obtenir la dernière version (le manuel)</translation>
    </message>
    <message>
        <source>Open the manual&apos;s page on getting the latest version</source>
        <translation>Ouvrir la page du manuel sur l’obtention de la dernière version</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on getting the latest version</source>
        <translation>Ouvre la page du manuel sur l’obtention de la dernière version</translation>
    </message>
    <message>
        <source>Tips and Bugs:</source>
        <translation>Astuces et bogues&#xa0;:</translation>
    </message>
    <message>
        <source>Sending tips and bug reports (the manual)</source>
        <translation>Envoyer des astuces et des rapports de bogue (le manuel)</translation>
    </message>
    <message>
        <source>Open the manual&apos;s page on sending tips and bug reports</source>
        <translation>Ouvrir la page du manuel sur l’envoi d’astuces et de rapports de bogue</translation>
    </message>
    <message>
        <source>Opens the manual&apos;s page on sending tips and bug reports</source>
        <translation>Ouvre la page du manuel sur l’envoi d’astuces et de rapports de bogue</translation>
    </message>
    <message>
        <source>Default Path to Thumbnails:</source>
        <translation>Chemin par défaut des vignettes&#xa0;:</translation>
    </message>
    <message>
        <source>Drive of the default thumbnail folder</source>
        <translation>Lecteur du dossier des vignettes par défaut</translation>
    </message>
    <message>
        <source>Default thumbnail folder</source>
        <translation>Dossier des vignettes par défaut</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin&#xa0;:</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>Doublons&#xa0;:</translation>
    </message>
    <message>
        <source>Always overwrite</source>
        <translation>Toujours écraser</translation>
    </message>
    <message>
        <source>Always ask before overwriting</source>
        <translation>Toujours demander avant d’écraser</translation>
    </message>
    <message>
        <source>Default Size:</source>
        <translation>Taille par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>Bordure&#xa0;:</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Sans bordure</translation>
    </message>
    <message>
        <source>Use Border</source>
        <translation>Avec bordure</translation>
    </message>
    <message>
        <source>FTP program:</source>
        <translation>Programme FTP&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the FTP program</source>
        <translation>Choisir le programme FTP</translation>
    </message>
    <message>
        <source>The height must be a whole number from 1 to 32767.</source>
        <translation>La hauteur doit être un nombre entier de 1 à 32767.</translation>
    </message>
    <message>
        <source>The width must be a whole number from 1 to 32767.</source>
        <translation>La largeur doit être un nombre entier de 1 à 32767.</translation>
    </message>
    <message>
        <source>The defaults were not saved. %1</source>
        <translation>Les valeurs par défaut n’ont pas été enregistrées. %1</translation>
    </message>
    <message>
        <source>FTP program</source>
        <translation>Programme FTP</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1.%2, Build: %3</source>
        <translation>%1.%2, compilation %3</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Aide de Quorvel</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>quorvel::ImageBox</name>
    <message>
        <source>The thumbnail size must be a number of pixels, 0 or more.</source>
        <translation>La taille de la vignette doit être un nombre de pixels, 0 ou plus.</translation>
    </message>
    <message>
        <source>No picture is loaded.</source>
        <translation>Aucune image n’est chargée.</translation>
    </message>
</context>
<context>
    <name>quorvel::ImageReplace</name>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot;: %3.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être copié dans «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>the data could not be written to the disk</source>
        <translation>les données n’ont pas pu être écrites sur le disque</translation>
    </message>
    <message>
        <source>the copy is incomplete</source>
        <translation>la copie est incomplète</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be replaced: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être remplacé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: left out, an earlier picture is copied under that name</source>
        <translation>%1&#xa0;: laissée de côté, une image précédente est copiée sous ce nom</translation>
    </message>
    <message>
        <source>%1: already in place</source>
        <translation>%1&#xa0;: déjà en place</translation>
    </message>
    <message>
        <source>%1 &lt;- %2</source>
        <translation>%1 &lt;- %2</translation>
    </message>
    <message>
        <source>%1 (added)</source>
        <translation>%1 (ajoutée)</translation>
    </message>
    <message>
        <source>Pictures in &quot;%1&quot; (old name &lt;- new picture):</source>
        <translation>Images dans «&#xa0;%1&#xa0;» (ancien nom &lt;- nouvelle image)&#xa0;:</translation>
    </message>
    <message>
        <source>Thumbnails go to &quot;%1&quot;.</source>
        <translation>Les vignettes vont dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n of them will not be written: each would replace a picture.</source>
        <translation>
            <numerusform>%n d’entre elles ne sera pas écrite&#xa0;: elle remplacerait une image.</numerusform>
            <numerusform>%n d’entre elles ne seront pas écrites&#xa0;: chacune remplacerait une image.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: There is not enough memory for this picture.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: la mémoire ne suffit pas pour cette image.</translation>
    </message>
    <message>
        <source>These thumbnails were not written, because each would have replaced a picture in the folder of the new pictures or in the folder being replaced (choose a thumbnail folder of their own):</source>
        <translation>Ces vignettes n’ont pas été écrites, car chacune aurait remplacé une image du dossier des nouvelles images ou du dossier remplacé (choisissez un dossier de vignettes à part)&#xa0;:</translation>
    </message>
    <message>
        <source>These pictures were not copied, because an earlier picture of the run was copied under the same name:</source>
        <translation>Ces images n’ont pas été copiées, car une image précédente de l’opération a été copiée sous le même nom&#xa0;:</translation>
    </message>
    <message>
        <source>These files could not be written; the old ones are unchanged:</source>
        <translation>Ces fichiers n’ont pas pu être écrits&#xa0;; les anciens sont inchangés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quorvel::InsertHTMLDlg</name>
    <message>
        <source>Insert HTML</source>
        <translation>Insérer du HTML</translation>
    </message>
    <message>
        <source>HTML source:</source>
        <translation>Source HTML&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quorvel::InsertTableDlg</name>
    <message>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <source>Number of rows:</source>
        <translation>Nombre de lignes&#xa0;:</translation>
    </message>
    <message>
        <source>Number of columns:</source>
        <translation>Nombre de colonnes&#xa0;:</translation>
    </message>
    <message>
        <source>Table Tag Attributes:</source>
        <translation>Attributs de la balise TABLE&#xa0;:</translation>
    </message>
    <message>
        <source>Cell Tag Attributes:</source>
        <translation>Attributs de la balise des cellules&#xa0;:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Légende&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please specify a positive integer for the number of table rows.</source>
        <translation>Indiquez un entier positif pour le nombre de lignes du tableau.</translation>
    </message>
    <message>
        <source>Please specify a positive integer for the number of table columns.</source>
        <translation>Indiquez un entier positif pour le nombre de colonnes du tableau.</translation>
    </message>
    <message>
        <source>A table of %1 rows and %2 columns is too large to insert. Choose at most %3 cells in all.</source>
        <translation>Un tableau de %1 lignes et %2 colonnes est trop grand pour être inséré. Choisissez au plus %3 cellules en tout.</translation>
    </message>
</context>
<context>
    <name>quorvel::MainForm</name>
    <message>
        <source>Set Position Attribute To 1D</source>
        <translation>Mettre l’attribut de position en 1D</translation>
    </message>
    <message>
        <source>Set Position Attribute To Absolute</source>
        <translation>Mettre l’attribut de position en absolu</translation>
    </message>
    <message>
        <source>Quorvel Editor</source>
        <translation>Éditeur Quorvel</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Block format at the caret</source>
        <translation>Format de bloc au curseur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save&amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find Text</source>
        <translation>Rechercher du texte</translation>
    </message>
    <message>
        <source>Snap To Grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Document Details</source>
        <translation>Détails du document</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Image...</translation>
    </message>
    <message>
        <source>Anchor...</source>
        <translation>Ancre...</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>T&amp;able</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>Insert Table...</source>
        <translation>Insérer un tableau...</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Insert Column</source>
        <translation>Insérer une colonne</translation>
    </message>
    <message>
        <source>Insert Cell</source>
        <translation>Insérer une cellule</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Supprimer les lignes</translation>
    </message>
    <message>
        <source>Delete Columns</source>
        <translation>Supprimer les colonnes</translation>
    </message>
    <message>
        <source>Delete Cells</source>
        <translation>Supprimer les cellules</translation>
    </message>
    <message>
        <source>Merge Cells</source>
        <translation>Fusionner les cellules</translation>
    </message>
    <message>
        <source>Split Cell</source>
        <translation>Scinder la cellule</translation>
    </message>
    <message>
        <source>&amp;2D</source>
        <translation>&amp;2D</translation>
    </message>
    <message>
        <source>Bring To Front</source>
        <translation>Mettre au premier plan</translation>
    </message>
    <message>
        <source>Send To Back</source>
        <translation>Mettre à l’arrière-plan</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Send Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Bring Above Text</source>
        <translation>Placer devant le texte</translation>
    </message>
    <message>
        <source>Send Below Text</source>
        <translation>Placer derrière le texte</translation>
    </message>
    <message>
        <source>Lock Element</source>
        <translation>Verrouiller l’élément</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>&amp;About Quorvel Editor</source>
        <translation>À &amp;propos de l’éditeur Quorvel</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font toolbar</source>
        <translation>Barre d’outils de police</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Mise en forme</translation>
    </message>
    <message>
        <source>Formatting toolbar</source>
        <translation>Barre d’outils de mise en forme</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nom de la police</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Poli&amp;ce&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de la police</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Puces</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Diminuer le retrait</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Augmenter le retrait</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Autres commandes</translation>
    </message>
    <message>
        <source>FTP Editor</source>
        <translation>Éditeur FTP</translation>
    </message>
    <message>
        <source>FTP Editor - %1</source>
        <translation>Éditeur FTP - %1</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Make 1D</source>
        <translation>Passer en 1D</translation>
    </message>
    <message>
        <source>Make 2D</source>
        <translation>Passer en 2D</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <source>Quorvel Editor %1

A what-you-see-is-what-you-get editor for web pages, part of Quorvel.</source>
        <translation>Éditeur Quorvel %1

Un éditeur de pages web qui montre la page telle qu’elle sera, composant de Quorvel.</translation>
    </message>
    <message>
        <source>About Quorvel Editor</source>
        <translation>À propos de l’éditeur Quorvel</translation>
    </message>
    <message>
        <source>The current document has changed.

Do you want to save changes?</source>
        <translation>Le document en cours a été modifié.

Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Error occurred while loading document: %1 holds %2, not a page the editor can open.</source>
        <translation>Erreur au chargement du document&#xa0;: %1 contient %2, pas une page que l’éditeur peut ouvrir.</translation>
    </message>
    <message>
        <source>Error occurred while loading document: %1.</source>
        <translation>Erreur au chargement du document&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Error occurred while saving document: %1 holds %2, not a web page: the editor does not write over it.</source>
        <translation>Erreur à l’enregistrement du document&#xa0;: %1 contient %2, pas une page web&#xa0;: l’éditeur ne l’écrase pas.</translation>
    </message>
    <message>
        <source>Error occurred while saving document: %1.</source>
        <translation>Erreur à l’enregistrement du document&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>quorvel::UpDownButtons</name>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>Augmenter %1</translation>
    </message>
    <message>
        <source>Decrease %1</source>
        <translation>Diminuer %1</translation>
    </message>
</context>
<context>
    <name>quorvel::album</name>
    <message>
        <source>Photo %1 of %2</source>
        <translation>Photo %1 sur %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Photo précédente</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Photo suivante</translation>
    </message>
    <message>
        <source>Download original</source>
        <translation>Télécharger l’original</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>quorvel::frmAdvOpt</name>
    <message>
        <source>Thumb JPEG Options</source>
        <translation>Options JPEG des vignettes</translation>
    </message>
    <message>
        <source>Fancy Unsampline</source>
        <translation>Suréchantillonnage soigné</translation>
    </message>
    <message>
        <source>Two Pass Quantize</source>
        <translation>Quantification en deux passes</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Méthode de tramage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>Ordonné</translation>
    </message>
    <message>
        <source>Floyd-Steinberg</source>
        <translation>Floyd-Steinberg</translation>
    </message>
    <message>
        <source>DTC method</source>
        <translation>Méthode DCT</translation>
    </message>
    <message>
        <source>Slow Integer</source>
        <translation>Entiers, lent</translation>
    </message>
    <message>
        <source>Fast Integer</source>
        <translation>Entiers, rapide</translation>
    </message>
    <message>
        <source>Floating point</source>
        <translation>Virgule flottante</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Tramage</translation>
    </message>
    <message>
        <source>Dither extra colors</source>
        <translation>Tramer les couleurs en trop</translation>
    </message>
    <message>
        <source>No Dithering</source>
        <translation>Sans tramage</translation>
    </message>
    <message>
        <source>Always Dither</source>
        <translation>Toujours tramer</translation>
    </message>
    <message>
        <source>Thumbnail Quality Amount</source>
        <translation>Niveau de qualité des vignettes</translation>
    </message>
    <message>
        <source>Thumbnail Smoothing Amount</source>
        <translation>Niveau de lissage des vignettes</translation>
    </message>
    <message>
        <source>Smoothing Amount (0-100)</source>
        <translation>Niveau de lissage (0-100)</translation>
    </message>
    <message>
        <source>Use &amp;Defaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Use the above settings</source>
        <translation>Utiliser les réglages ci-dessus</translation>
    </message>
    <message>
        <source>JPEG Quality (0-100)</source>
        <translation>Qualité JPEG (0-100)</translation>
    </message>
</context>
<context>
    <name>quorvel::frmAskRename</name>
    <message>
        <source>Confirm Rename</source>
        <translation>Confirmer le renommage</translation>
    </message>
    <message>
        <source>You are about to rename the file::</source>
        <translation>Vous allez renommer le fichier&#xa0;::</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>to the new filename:</source>
        <translation>en ce nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Rename &amp;ALL</source>
        <translation>Renommer &amp;TOUT</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>quorvel::frmFileManage</name>
    <message>
        <source>You must type a name of the directory!</source>
        <translation>Vous devez saisir un nom de dossier&#xa0;!</translation>
    </message>
    <message>
        <source>You must type in the name of your new directory!</source>
        <translation>Vous devez saisir le nom de votre nouveau dossier&#xa0;!</translation>
    </message>
    <message>
        <source>You must type in the name of your new directory!!!</source>
        <translation>Vous devez saisir le nom de votre nouveau dossier&#xa0;!!!</translation>
    </message>
    <message>
        <source>Filename: %1<byte value="xd"/>
Filesize: %2 bytes<byte value="xd"/>
Date: %3<byte value="xd"/>
</source>
        <translation>Nom du fichier&#xa0;: %1<byte value="xd"/>
Taille du fichier&#xa0;: %2 octets<byte value="xd"/>
Date&#xa0;: %3<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File Management</source>
        <translation>Gestion des fichiers</translation>
    </message>
    <message>
        <source>Choose the drive where your images are.</source>
        <translation>Choisissez le lecteur où se trouvent vos images.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Choose a folder where your images are.</source>
        <translation>Choisissez un dossier où se trouvent vos images.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Select the files you wish to delete, or Double-Click to DELETE instantly!</source>
        <translation>Choisissez les fichiers à supprimer, ou double-cliquez pour SUPPRIMER aussitôt&#xa0;!</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>File Pattern:</source>
        <translation>Motif de fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Last selected, deleted or renamed file</source>
        <translation>Dernier fichier choisi, supprimé ou renommé</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>The current folder, or the folder to create or remove</source>
        <translation>Le dossier courant, ou le dossier à créer ou à supprimer</translation>
    </message>
    <message>
        <source>Create Directory</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Create a directory within the above textbox</source>
        <translation>Créer le dossier indiqué dans la zone de texte ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Remove Directory</source>
        <translation>Supp&amp;rimer le dossier</translation>
    </message>
    <message>
        <source>Remove Directory listed in the above textbox</source>
        <translation>Supprimer le dossier indiqué dans la zone de texte ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation>Supprimer le fic&amp;hier</translation>
    </message>
    <message>
        <source>Re&amp;name File</source>
        <translation>Re&amp;nommer le fichier</translation>
    </message>
    <message>
        <source>&amp;FTP</source>
        <translation>&amp;FTP</translation>
    </message>
    <message>
        <source>Transfer files with your Default FTP Program</source>
        <translation>Transférer des fichiers avec votre programme FTP par défaut</translation>
    </message>
    <message>
        <source>&amp;Advanced Renaming</source>
        <translation>Renommage &amp;avancé</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Error #: %1 occured! Can&apos;t create Directory! Perhaps it already exisits or is not a valid directory name.</source>
        <translation>Erreur n° %1&#xa0;! Impossible de créer le dossier&#xa0;! Il existe peut-être déjà, ou ce n’est pas un nom de dossier valable.</translation>
    </message>
    <message>
        <source>New directory %1 created successfully!</source>
        <translation>Nouveau dossier %1 créé&#xa0;!</translation>
    </message>
    <message>
        <source>You are about to DELETE the directory %1 and ALL the files within it! This directory and these files can NOT be restored. Are you sure you wish to delete?</source>
        <translation>Vous allez SUPPRIMER le dossier %1 et TOUS les fichiers qu’il contient&#xa0;! Ce dossier et ces fichiers ne pourront PAS être restaurés. Voulez-vous vraiment les supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>This directory can not be deleted, perhaps it is not empty or doesnt exist!</source>
        <translation>Ce dossier ne peut pas être supprimé&#xa0;; il n’est peut-être pas vide, ou n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>Directory %1 deleted successfully!</source>
        <translation>Dossier %1 supprimé&#xa0;!</translation>
    </message>
    <message>
        <source>You are about to DELETE the file %1 Are you sure?</source>
        <translation>Vous allez SUPPRIMER le fichier %1 En êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>This file can not be deleted, perhaps it is write-protected or doesnt exist!</source>
        <translation>Ce fichier ne peut pas être supprimé&#xa0;; il est peut-être protégé en écriture, ou n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>File %1 deleted successfully!</source>
        <translation>Fichier %1 supprimé&#xa0;!</translation>
    </message>
    <message>
        <source>You have not defined your FTP program within the Default menu! Would you like to do this now?</source>
        <translation>Vous n’avez pas indiqué votre programme FTP dans les valeurs par défaut&#xa0;! Voulez-vous le faire maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>The FTP program %1 could not be started.</source>
        <translation>Le programme FTP %1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Enter the new filename you wish to rename %1 to: </source>
        <translation>Saisissez le nouveau nom à donner à %1&#xa0;: </translation>
    </message>
    <message>
        <source>Rename File</source>
        <translation>Renommer le fichier</translation>
    </message>
    <message>
        <source>You are about to RENAME the file %1 to %2  Are you sure?</source>
        <translation>Vous allez RENOMMER le fichier %1 en %2  En êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>This file can not be renamed, perhaps it already exists, or is an invalid filename!</source>
        <translation>Ce fichier ne peut pas être renommé&#xa0;; le nom existe peut-être déjà, ou n’est pas un nom de fichier valable&#xa0;!</translation>
    </message>
    <message>
        <source>File %1 renamed as %2 successfully!</source>
        <translation>Fichier %1 renommé en %2&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvel::frmFileManageRename</name>
    <message>
        <source>%1 could not be renamed to %2: %3.</source>
        <translation>%1 n’a pas pu être renommé en %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The file %1 is on your list more than once. Remove the extra entries, then rename again. Nothing has been renamed.</source>
        <translation>Le fichier %1 figure plusieurs fois dans votre liste. Retirez les entrées en trop, puis renommez à nouveau. Rien n’a été renommé.</translation>
    </message>
    <message>
        <source>Two files on your list would both be renamed to %1. Nothing has been renamed.</source>
        <translation>Deux fichiers de votre liste seraient tous deux renommés en %1. Rien n’a été renommé.</translation>
    </message>
    <message>
        <source>Nothing has been renamed.</source>
        <translation>Rien n’a été renommé.</translation>
    </message>
    <message>
        <source>This is not a valid filename, cannot rename!</source>
        <translation>Ce n’est pas un nom de fichier valable, impossible de renommer&#xa0;!</translation>
    </message>
    <message>
        <source>This file can not be renamed, perhaps it already exists!</source>
        <translation>Ce fichier ne peut pas être renommé&#xa0;; le nom existe peut-être déjà&#xa0;!</translation>
    </message>
    <message>
        <source>File does not exist perhaps it has already been renamed, or your renaming it to an exisiting filename!</source>
        <translation>Le fichier n’existe pas&#xa0;; il a peut-être déjà été renommé, ou vous le renommez en un nom de fichier qui existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>File Renamer</source>
        <translation>Renommage de fichiers</translation>
    </message>
    <message>
        <source>Choose the drive where your images are.</source>
        <translation>Choisissez le lecteur où se trouvent vos images.</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Choose a folder where your files are.</source>
        <translation>Choisissez un dossier où se trouvent vos fichiers.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Select the files you wish to rename or Double-Click to add them to your list! Right-click for more options.</source>
        <translation>Choisissez les fichiers à renommer, ou double-cliquez pour les ajouter à votre liste&#xa0;! Clic droit pour plus d’options.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>File Extensions:</source>
        <translation>Extensions de fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>List of Files to Rename</source>
        <translation>Liste des fichiers à renommer</translation>
    </message>
    <message>
        <source>List of files to rename. Double-Click to remove from your list Right-click for more options.</source>
        <translation>Liste des fichiers à renommer. Double-cliquez pour retirer de votre liste. Clic droit pour plus d’options.</translation>
    </message>
    <message>
        <source>Files on list:</source>
        <translation>Fichiers dans la liste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add selected file(s) to your rename list!</source>
        <translation>Ajouter le ou les fichiers choisis à votre liste de renommage&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Remove </source>
        <translation>&amp;Retirer </translation>
    </message>
    <message>
        <source>Remove selected file(s) from List</source>
        <translation>Retirer le ou les fichiers choisis de la liste</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Clear List from ALL files</source>
        <translation>Retirer TOUS les fichiers de la liste</translation>
    </message>
    <message>
        <source>Rename &amp;Options</source>
        <translation>&amp;Options de renommage</translation>
    </message>
    <message>
        <source>Click to select renaming options!</source>
        <translation>Cliquez pour choisir les options de renommage&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Move the chosen entry to the selected place</source>
        <translation>Déplacer l’entrée choisie à l’endroit sélectionné</translation>
    </message>
    <message>
        <source>Last new name</source>
        <translation>Dernier nouveau nom</translation>
    </message>
    <message>
        <source>Entry to move</source>
        <translation>Entrée à déplacer</translation>
    </message>
    <message>
        <source>Position of the entry to move</source>
        <translation>Position de l’entrée à déplacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>List box Font Size</source>
        <translation>Taille de police de la liste</translation>
    </message>
    <message>
        <source>Use &amp;small font</source>
        <translation>Petite po&amp;lice</translation>
    </message>
    <message>
        <source>Use &amp;large font</source>
        <translation>&amp;Grande police</translation>
    </message>
    <message>
        <source>Show File Count</source>
        <translation>Afficher le nombre de fichiers</translation>
    </message>
    <message>
        <source>File Attributes</source>
        <translation>Attributs du fichier</translation>
    </message>
    <message>
        <source>Move selected file</source>
        <translation>Déplacer le fichier choisi</translation>
    </message>
    <message>
        <source>Move file &amp;here</source>
        <translation>Déplacer le fichier &amp;ici</translation>
    </message>
    <message>
        <source>Undo last renaming</source>
        <translation>Annuler le dernier renommage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Options2</source>
        <translation>Options de la liste</translation>
    </message>
    <message>
        <source>&amp;Rename selected</source>
        <translation>&amp;Renommer la sélection</translation>
    </message>
    <message>
        <source>File &amp;Attributes</source>
        <translation>&amp;Attributs du fichier</translation>
    </message>
    <message numerus="yes">
        <source>Files on list: %n</source>
        <translation>
            <numerusform>Fichiers dans la liste&#xa0;: %n</numerusform>
            <numerusform>Fichiers dans la liste&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>File already on the List. To avoid errors you really should&apos;nt add it. Add it anyway?</source>
        <translation>Le fichier est déjà dans la liste. Pour éviter des erreurs, mieux vaut ne pas l’ajouter. L’ajouter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Ajouter un fichier...</translation>
    </message>
    <message>
        <source>There are no files on your list!</source>
        <translation>Il n’y a aucun fichier dans votre liste&#xa0;!</translation>
    </message>
    <message>
        <source>All file have been renamed successfully!</source>
        <translation>Tous les fichiers ont été renommés&#xa0;!</translation>
    </message>
    <message>
        <source>The last renaming could not be undone completely. %1</source>
        <translation>Le dernier renommage n’a pas pu être entièrement annulé. %1</translation>
    </message>
    <message>
        <source>The last renaming has been undone.</source>
        <translation>Le dernier renommage a été annulé.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files have been renamed; the skipped files stay on your list.</source>
        <translation>
            <numerusform>Fichier renommé&#xa0;: %1 sur %n&#xa0;; le fichier passé reste dans votre liste.</numerusform>
            <numerusform>Fichiers renommés&#xa0;: %1 sur %n&#xa0;; les fichiers passés restent dans votre liste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvel::frmForm</name>
    <message>
        <source>Create From:</source>
        <translation>Créer à partir de&#xa0;:</translation>
    </message>
    <message>
        <source>Source drive</source>
        <translation>Lecteur source</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Dossiers source</translation>
    </message>
    <message>
        <source>Select Files to Drag&amp;Drop</source>
        <translation>Choisir les fichiers à glisser-déposer</translation>
    </message>
    <message>
        <source>Source pictures</source>
        <translation>Images source</translation>
    </message>
    <message>
        <source>Create Thumbs</source>
        <translation>Créer les vignettes</translation>
    </message>
    <message>
        <source>Thumbnail writer</source>
        <translation>Création des vignettes</translation>
    </message>
    <message>
        <source>Destination drive</source>
        <translation>Lecteur de destination</translation>
    </message>
    <message>
        <source>Select Directory to Drop Files and Create thumbnails</source>
        <translation>Choisir le dossier où déposer les fichiers et créer les vignettes</translation>
    </message>
    <message>
        <source>Destination folders</source>
        <translation>Dossiers de destination</translation>
    </message>
    <message>
        <source>Create in:</source>
        <translation>Créer dans&#xa0;:</translation>
    </message>
    <message>
        <source>New folder name</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message>
        <source>Make Dir.</source>
        <translation>Créer doss.</translation>
    </message>
    <message>
        <source>Create a new directory</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>Code HTML</translation>
    </message>
    <message>
        <source>Code Options</source>
        <translation>Options du code</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Doubleclick to View picture</source>
        <translation>Double-cliquez pour voir l’image</translation>
    </message>
    <message>
        <source>Thumbnail Options </source>
        <translation>Options des vignettes </translation>
    </message>
    <message>
        <source>Thumb Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>thumb size</source>
        <translation>taille des vignettes</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Rename: </source>
        <translation>Renommer&#xa0;: </translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Sans bordure</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Ask before Overwrite</source>
        <translation>Demander avant d’écraser</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Advanced Options</source>
        <translation>Options &amp;avancées</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>HTML Editor</source>
        <translation>Éditeur HTML</translation>
    </message>
    <message>
        <source>Image Replace</source>
        <translation>Remplacement d’images</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Optimized</source>
        <translation>Optimisé</translation>
    </message>
    <message>
        <source>Fancy</source>
        <translation>Soigné</translation>
    </message>
    <message>
        <source>TwoPass</source>
        <translation>Deux passes</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Create Thumbnails</source>
        <translation>Créer les vignettes</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Thumbnail Options</source>
        <translation>Options des vignettes</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>HTML Page options</source>
        <translation>Options de la page HTML</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Type the name of the new folder in the box first.</source>
        <translation>Saisissez d’abord le nom du nouveau dossier dans la zone.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; already exists.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Drag your selected file(s) to the Selected Thumbnail Folder!</source>
        <translation>Glissez le ou les fichiers choisis vers le dossier des vignettes choisi&#xa0;!</translation>
    </message>
    <message>
        <source>Can not open file!</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quorvel::frmRenameChoice</name>
    <message>
        <source>Append to Extension</source>
        <translation>Ajouter à l’extension</translation>
    </message>
    <message>
        <source>Appends directly to file extension. example: Filename.jpgxxx</source>
        <translation>Ajoute directement à l’extension du fichier. Exemple&#xa0;: Nomfichier.jpgxxx</translation>
    </message>
    <message>
        <source>Append to file extension:</source>
        <translation>Ajouter à l’extension&#xa0;:</translation>
    </message>
    <message>
        <source>Append File Prefix</source>
        <translation>Ajouter un préfixe</translation>
    </message>
    <message>
        <source>Appends directly to file prefix. example: xxxFilename.jpg</source>
        <translation>Ajoute directement devant le nom du fichier. Exemple&#xa0;: xxxNomfichier.jpg</translation>
    </message>
    <message>
        <source>Append to file prefix:</source>
        <translation>Préfixe à ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>Replace Extension</source>
        <translation>Remplacer l’extension</translation>
    </message>
    <message>
        <source>Renames the file extension. example: Filename.xxx</source>
        <translation>Renomme l’extension du fichier. Exemple&#xa0;: Nomfichier.xxx</translation>
    </message>
    <message>
        <source>Replace file extension with:</source>
        <translation>Remplacer l’extension par&#xa0;:</translation>
    </message>
    <message>
        <source>Shorten Filename</source>
        <translation>Raccourcir le nom</translation>
    </message>
    <message>
        <source>Shortens filename by amount specified. example:(2) Filena.jpg</source>
        <translation>Raccourcit le nom du fichier du nombre indiqué. Exemple&#xa0;: (2) Nomfichi.jpg</translation>
    </message>
    <message>
        <source>Shorten by how many characters:</source>
        <translation>Raccourcir de combien de caractères&#xa0;:</translation>
    </message>
    <message>
        <source>Sequential Renaming</source>
        <translation>Renommage numéroté</translation>
    </message>
    <message>
        <source>Renames files entirely and numbers them. example: xxx1.jpg</source>
        <translation>Renomme entièrement les fichiers et les numérote. Exemple&#xa0;: xxx1.jpg</translation>
    </message>
    <message>
        <source>Prefix to append number to:</source>
        <translation>Préfixe auquel ajouter le numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Replace File Prefix</source>
        <translation>Remplacer le préfixe</translation>
    </message>
    <message>
        <source>Replaces file prefix. example: xxx.jpg</source>
        <translation>Remplace le préfixe du fichier. Exemple&#xa0;: xxx.jpg</translation>
    </message>
    <message>
        <source>Replace file prefix with:</source>
        <translation>Remplacer le préfixe par&#xa0;:</translation>
    </message>
    <message>
        <source>Append File Suffix</source>
        <translation>Ajouter un suffixe</translation>
    </message>
    <message>
        <source>Appends directly to file suffix. example: Filenamexxx.jpg</source>
        <translation>Ajoute directement à la fin du nom du fichier. Exemple&#xa0;: Nomfichierxxx.jpg</translation>
    </message>
    <message>
        <source>Append to file suffix:</source>
        <translation>Suffixe à ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>Replace File Suffix</source>
        <translation>Remplacer le suffixe</translation>
    </message>
    <message>
        <source>Replacs file suffix. example: Filenxxx.jpg</source>
        <translation>Remplace le suffixe du fichier. Exemple&#xa0;: Nomficxxx.jpg</translation>
    </message>
    <message>
        <source>Replace file suffix with:</source>
        <translation>Remplacer le suffixe par&#xa0;:</translation>
    </message>
    <message>
        <source>Change Filename case</source>
        <translation>Changer la casse du nom</translation>
    </message>
    <message>
        <source>Allows you to make filename ALL uppercase or lowercase. example: FILENAME.JPG or filename.jpg</source>
        <translation>Permet de mettre le nom du fichier TOUT en majuscules ou en minuscules. Exemple&#xa0;: NOMFICHIER.JPG ou nomfichier.jpg</translation>
    </message>
    <message>
        <source>Renaming Selections</source>
        <translation>Choix du renommage</translation>
    </message>
    <message>
        <source>Please choose the method you wish to rename all your files, below:</source>
        <translation>Choisissez ci-dessous la méthode de renommage de tous vos fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Renaming Options</source>
        <translation>Options de renommage</translation>
    </message>
    <message>
        <source>Start at #:</source>
        <translation>Commencer à&#xa0;:</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en&#xa0;:</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Show Examples</source>
        <translation>Afficher des exemples</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Exemple&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rename!</source>
        <translation>&amp;Renommer&#xa0;!</translation>
    </message>
    <message>
        <source>Begin Renaming Process!</source>
        <translation>Lancer le renommage&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please type a whole number of 0 or more at &quot;Start at #:&quot;.</source>
        <translation>Saisissez un nombre entier de 0 ou plus dans «&#xa0;Commencer à&#xa0;:&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quorvel::heif</name>
    <message>
        <source>The picture is too large: %1 x %2 pixels is more than this program decodes.</source>
        <translation>L’image est trop grande&#xa0;: %1 x %2 pixels, c’est plus que ce programme ne décode.</translation>
    </message>
    <message>
        <source>There is not enough memory to decode the HEIF picture.</source>
        <translation>La mémoire ne suffit pas pour décoder l’image HEIF.</translation>
    </message>
    <message>
        <source>The picture is too large: the HEIF file claims more than this program decodes (%1).</source>
        <translation>L’image est trop grande : le fichier HEIF annonce plus que ce programme ne décode (%1).</translation>
    </message>
    <message>
        <source>The HEIF file is truncated: its data ends before the picture is complete.</source>
        <translation>Le fichier HEIF est tronqué : ses données s’arrêtent avant la fin de l’image.</translation>
    </message>
    <message>
        <source>The HEIF file is damaged (%1).</source>
        <translation>Le fichier HEIF est endommagé (%1).</translation>
    </message>
    <message>
        <source>The file is not a HEIF picture this program reads (%1).</source>
        <translation>Le fichier n’est pas une image HEIF que ce programme lit (%1).</translation>
    </message>
    <message>
        <source>The HEIF file&apos;s picture is compressed in a way this installation cannot decode (%1).</source>
        <translation>L’image du fichier HEIF est compressée d’une façon que cette installation ne sait pas décoder (%1).</translation>
    </message>
    <message>
        <source>The HEIF file uses a feature this program cannot decode (%1).</source>
        <translation>Le fichier HEIF utilise une fonction que ce programme ne sait pas décoder (%1).</translation>
    </message>
    <message>
        <source>The HEIF file is damaged: its picture data is corrupt (%1).</source>
        <translation>Le fichier HEIF est endommagé : les données de son image sont corrompues (%1).</translation>
    </message>
    <message>
        <source>The HEIF file cannot be read (%1).</source>
        <translation>Le fichier HEIF ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>The HEIF file&apos;s picture cannot be converted to RGB.</source>
        <translation>L’image du fichier HEIF ne peut pas être convertie en RVB.</translation>
    </message>
    <message>
        <source>The HEIF file is damaged (its picture has no size).</source>
        <translation>Le fichier HEIF est endommagé (son image n’a pas de taille).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file cannot be read from its start.</source>
        <translation>Le fichier ne peut pas être lu depuis son début.</translation>
    </message>
</context>
<context>
    <name>quorvel::imaging</name>
    <message>
        <source>The PNG file is truncated: its data ends before the picture is complete.</source>
        <translation>Le fichier PNG est tronqué : ses données s’arrêtent avant la fin de l’image.</translation>
    </message>
    <message>
        <source>The PNG file is damaged (%1).</source>
        <translation>Le fichier PNG est endommagé (%1).</translation>
    </message>
    <message>
        <source>The file is not a PNG picture.</source>
        <translation>Le fichier n’est pas une image PNG.</translation>
    </message>
    <message>
        <source>The picture is too large: %1 x %2 pixels is more than this program decodes.</source>
        <translation>L’image est trop grande&#xa0;: %1 x %2 pixels, c’est plus que ce programme ne décode.</translation>
    </message>
    <message>
        <source>There is not enough memory to decode the picture.</source>
        <translation>La mémoire ne suffit pas pour décoder l’image.</translation>
    </message>
    <message>
        <source>The TIFF file is damaged.</source>
        <translation>Le fichier TIFF est endommagé.</translation>
    </message>
    <message>
        <source>The TIFF file cannot be read: %1.</source>
        <translation>Le fichier TIFF ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The file is not a TIFF picture.</source>
        <translation>Le fichier n’est pas une image TIFF.</translation>
    </message>
    <message>
        <source>The WebP file is truncated: its data ends before the picture is complete.</source>
        <translation>Le fichier WebP est tronqué : ses données s’arrêtent avant la fin de l’image.</translation>
    </message>
    <message>
        <source>The WebP file uses a feature this program cannot read.</source>
        <translation>Le fichier WebP utilise une fonction que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The WebP file is damaged: its picture data is corrupt.</source>
        <translation>Le fichier WebP est endommagé : les données de son image sont corrompues.</translation>
    </message>
    <message>
        <source>The file is not a WebP picture.</source>
        <translation>Le fichier n’est pas une image WebP.</translation>
    </message>
</context>
<context>
    <name>quorvel::pageView</name>
    <message>
        <source>Page View</source>
        <translation>Affichage de la page</translation>
    </message>
    <message>
        <source>Click  HERE to view your Page</source>
        <translation>Cliquez  ICI pour voir votre page</translation>
    </message>
    <message>
        <source>Opens the gallery page in your web browser</source>
        <translation>Ouvre la page de galerie dans votre navigateur web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>quorvel::picView</name>
    <message>
        <source>Picture Viewer</source>
        <translation>Visionneuse d’images</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Double-click to show the next picture</source>
        <translation>Double-cliquez pour afficher l’image suivante</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandissement</translation>
    </message>
    <message>
        <source>Drag Slider to Zoom Picture</source>
        <translation>Faites glisser le curseur pour agrandir l’image</translation>
    </message>
    <message>
        <source>Picture in the list</source>
        <translation>Image dans la liste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No more Pictures!</source>
        <translation>Plus d’images&#xa0;!</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quorvel::saveto</name>
    <message>
        <source>Folder Options</source>
        <translation>Options des dossiers</translation>
    </message>
    <message>
        <source>Name of webpage:</source>
        <translation>Nom de la page web&#xa0;:</translation>
    </message>
    <message>
        <source>Image Folder for Web page. Leave blank if images are in the same folder as web page.</source>
        <translation>Dossier des images de la page web. Laissez vide si les images sont dans le même dossier que la page web.</translation>
    </message>
    <message>
        <source>TIPS: Use another folder for your images. Frequently used is: images/</source>
        <translation>ASTUCE&#xa0;: utilisez un autre dossier pour vos images. Souvent utilisé&#xa0;: images/</translation>
    </message>
    <message>
        <source>Use Table</source>
        <translation>Utiliser un tableau</translation>
    </message>
    <message>
        <source># Columns:</source>
        <translation>Nb de colonnes&#xa0;:</translation>
    </message>
    <message>
        <source># Rows:</source>
        <translation>Nb de lignes&#xa0;:</translation>
    </message>
    <message>
        <source>The rows follow from the number of pictures.</source>
        <translation>Le nombre de lignes découle du nombre d’images.</translation>
    </message>
    <message>
        <source>Use Border</source>
        <translation>Avec bordure</translation>
    </message>
    <message>
        <source>Custom Header &amp;&amp; Footer Pages</source>
        <translation>En-tête &amp;&amp; pied de page personnalisés</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Page style</source>
        <translation>Style de page</translation>
    </message>
    <message>
        <source>Classic page</source>
        <translation>Page classique</translation>
    </message>
    <message>
        <source>Web album</source>
        <translation>Album web</translation>
    </message>
    <message>
        <source>Skip thumbnails that are up to date</source>
        <translation>Passer les vignettes à jour</translation>
    </message>
    <message>
        <source>Leaves a thumbnail that is newer than its picture and of the size asked for. After changing the frame or the JPEG options, clear this box for one run.</source>
        <translation>Laisse une vignette plus récente que son image et de la taille demandée. Après avoir changé le cadre ou les options JPEG, décochez cette case le temps d’une création.</translation>
    </message>
    <message>
        <source>the name of the pictures&apos; folder</source>
        <translation>le nom du dossier des images</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Introduction&#xa0;:</translation>
    </message>
    <message>
        <source>Footer text:</source>
        <translation>Texte de pied de page&#xa0;:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Web size (longer side):</source>
        <translation>Taille web (grand côté)&#xa0;:</translation>
    </message>
    <message>
        <source>JPEG quality:</source>
        <translation>Qualité JPEG&#xa0;:</translation>
    </message>
    <message>
        <source>Thumbnail height:</source>
        <translation>Hauteur des vignettes&#xa0;:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Capture date</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Ordre&#xa0;:</translation>
    </message>
    <message>
        <source>Show the capture date and camera</source>
        <translation>Afficher la date de prise de vue et l’appareil</translation>
    </message>
    <message>
        <source>Copy the originals, linked as &quot;download original&quot;</source>
        <translation>Copier les originaux, liés comme «&#xa0;télécharger l’original&#xa0;»</translation>
    </message>
    <message>
        <source>The copies keep every byte of the originals: their GPS position, camera serial number and everything else the camera recorded is published with them.</source>
        <translation>Les copies gardent chaque octet des originaux&#xa0;: leur position GPS, le numéro de série de l’appareil et tout ce que l’appareil a enregistré sont publiés avec elles.</translation>
    </message>
    <message>
        <source>Save Album Options</source>
        <translation>Enregistrer les options de l’album</translation>
    </message>
</context>
<context>
    <name>saveto</name>
    <message>
        <source>No name selected for HTML file!</source>
        <translation>Aucun nom choisi pour le fichier HTML&#xa0;!</translation>
    </message>
    <message>
        <source>&quot;Name of webpage:&quot; cannot hold a folder (&quot;/&quot; or &quot;\&quot;): the page is written in the folder of the pictures. The page options were not changed.</source>
        <translation>«&#xa0;Nom de la page web&#xa0;:&#xa0;» ne peut pas contenir de dossier («&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;»)&#xa0;: la page est écrite dans le dossier des images. Les options de la page n’ont pas été modifiées.</translation>
    </message>
    <message>
        <source>&quot;# Columns:&quot; must be a whole number, such as 4. The page options were not changed.</source>
        <translation>«&#xa0;Nb de colonnes&#xa0;:&#xa0;» doit être un nombre entier, par exemple 4. Les options de la page n’ont pas été modifiées.</translation>
    </message>
</context>
</TS>
