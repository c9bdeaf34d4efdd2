<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>HelpCommand</name>
    <message>
        <source>HelpFile.txt</source>
        <extracomment>The help text in this language, delivered beside HelpFile.txt</extracomment>
        <translation>HelpFile.fr.txt</translation>
    </message>
    <message>
        <source>%1 cannot be handed to the editor: %2.</source>
        <translation>Impossible de transmettre %1 à l’éditeur&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>[backspace]</source>
        <translation>[retour arr.]</translation>
    </message>
    <message>
        <source>[enter]</source>
        <translation>[entrée]</translation>
    </message>
    <message>
        <source>[shift]</source>
        <translation>[maj]</translation>
    </message>
    <message>
        <source>[ctrl]</source>
        <translation>[ctrl]</translation>
    </message>
    <message>
        <source>[alt]</source>
        <translation>[alt]</translation>
    </message>
    <message>
        <source>[space]</source>
        <translation>[espace]</translation>
    </message>
    <message>
        <source>[page up]</source>
        <translation>[page préc.]</translation>
    </message>
    <message>
        <source>[page down]</source>
        <translation>[page suiv.]</translation>
    </message>
    <message>
        <source>[end]</source>
        <translation>[fin]</translation>
    </message>
    <message>
        <source>[home]</source>
        <translation>[début]</translation>
    </message>
    <message>
        <source>[left arrow]</source>
        <translation>[gauche]</translation>
    </message>
    <message>
        <source>[up arrow]</source>
        <translation>[haut]</translation>
    </message>
    <message>
        <source>[right arrow]</source>
        <translation>[droite]</translation>
    </message>
    <message>
        <source>[down arrow]</source>
        <translation>[bas]</translation>
    </message>
    <message>
        <source>[delete]</source>
        <translation>[suppr]</translation>
    </message>
    <message>
        <source>[key %1]</source>
        <translation>[touche %1]</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>it is larger than %1 KB and is kept as it is</source>
        <translation>il dépasse %1 Ko et reste tel quel</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Your choice holds until you leave Vexaroo, but the preferences file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Votre choix vaut jusqu’à ce que vous quittiez Vexaroo, mais impossible d’enregistrer le fichier des préférences «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Vexaroo could not start again at the new size: %1.<byte value="xd"/>
It goes on at this size.</source>
        <translation>Vexaroo n’a pas pu redémarrer à la nouvelle taille&#xa0;: %1.<byte value="xd"/>
Le jeu continue à cette taille.</translation>
    </message>
    <message>
        <source>Replays cannot be kept: %1.</source>
        <translation>Les enregistrements ne peuvent pas être conservés : %1.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it is far larger than any replay</source>
        <translation>il est bien plus grand que tout enregistrement</translation>
    </message>
    <message>
        <source>it is not a Vexaroo replay</source>
        <translation>ce n&apos;est pas un enregistrement de Vexaroo</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>it was recorded by a later version of Vexaroo</source>
        <translation>il vient d&apos;une version plus récente de Vexaroo</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>il est abîmé ou tronqué</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>son en-tête est abîmé</translation>
    </message>
    <message>
        <source>it holds an input that no game has</source>
        <translation>il contient une entrée qu&apos;aucune partie ne connaît</translation>
    </message>
    <message>
        <source>its inputs are damaged</source>
        <translation>ses entrées sont abîmées</translation>
    </message>
    <message>
        <source>it lasts longer than a day</source>
        <translation>il dure plus d&apos;un jour</translation>
    </message>
    <message>
        <source>the recording stops before the game ends</source>
        <translation>l&apos;enregistrement s&apos;arrête avant la fin de la partie</translation>
    </message>
    <message>
        <source>its inputs go back in time</source>
        <translation>ses entrées remontent le temps</translation>
    </message>
    <message>
        <source>an input comes while a box is open</source>
        <translation>une entrée arrive pendant qu&apos;un message est ouvert</translation>
    </message>
    <message>
        <source>a box closes that was never opened</source>
        <translation>un message se ferme sans avoir été ouvert</translation>
    </message>
    <message>
        <source>inputs follow the game&apos;s end</source>
        <translation>des entrées suivent la fin de la partie</translation>
    </message>
    <message>
        <source>the recording says %1%2</source>
        <translation>l&apos;enregistrement indique %1%2</translation>
    </message>
    <message>
        <source> when the window was closed</source>
        <translation> à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <source>it ends at %1 ms with the field in another state than recorded, at %2 ms</source>
        <translation>il se termine à %1 ms avec un terrain autre que l&apos;enregistrement, à %2 ms</translation>
    </message>
</context>
<context>
    <name>ScoresFile</name>
    <message>
        <source>The scores file &quot;%1&quot; in %2: %3</source>
        <translation>Le fichier des scores «&#xa0;%1&#xa0;» dans %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it ends before value %1</source>
        <translation>il s’arrête avant la valeur %1</translation>
    </message>
    <message>
        <source>value %1 (&quot;%2&quot;) is not a number</source>
        <translation>la valeur %1 («&#xa0;%2&#xa0;») n’est pas un nombre</translation>
    </message>
    <message>
        <source>value %1 (&quot;%2&quot;) is too long for a number</source>
        <translation>la valeur %1 («&#xa0;%2&#xa0;») est trop longue pour un nombre</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.<byte value="xd"/>
The default quality and keys are used instead.</source>
        <translation>Impossible de lire le fichier de réglages «&#xa0;%1&#xa0;»&#xa0;: %2.<byte value="xd"/>
La qualité et les touches par défaut sont utilisées à la place.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>another program is saving it</source>
        <translation>un autre programme est en train de l’enregistrer</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Enemies Destroyed</source>
        <translation>Ennemis détruits</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Vexaroo - Press P to pause</source>
        <translation>Vexaroo - Pause avec P</translation>
    </message>
    <message>
        <source>Enemies Destroyed:</source>
        <translation>Ennemis détruits&#xa0;:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niv.&#xa0;:</translation>
    </message>
    <message>
        <source>Bananas Remaining:</source>
        <translation>Bananes restantes&#xa0;:</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>Death come to Banana!<byte value="xd"/>
You have %1 banana(s) remaining.</source>
        <translation>Une banane y est passée&#xa0;!<byte value="xd"/>
Il vous reste %1 banane(s).</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Jeu en pause</translation>
    </message>
    <message>
        <source>Vexaroo - Replay of %1</source>
        <translation>Vexaroo - Rediffusion : %1</translation>
    </message>
    <message>
        <source>Replay of %1</source>
        <translation>Partie de %1</translation>
    </message>
    <message>
        <source>Space pauses, F faster, Esc leaves</source>
        <translation>Espace pause, F vite, Échap quitte</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>Rank%1</source>
        <translation>Rang%1</translation>
    </message>
    <message>
        <source>%1, level %2, %3 targets hit</source>
        <translation>%1, niveau %2, %3 cibles touchées</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>aucun score</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source> Below shows a list of the top 10 high scores in order of   highest level achieved.</source>
        <translation> Les dix meilleurs scores, classés selon le plus haut niveau atteint.</translation>
    </message>
    <message>
        <source> Rank</source>
        <translation> Rang</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Nom</translation>
    </message>
    <message>
        <source> Level</source>
        <translation> Niv.</translation>
    </message>
    <message>
        <source> Targets Hit</source>
        <translation> Détruits</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Watch the game</source>
        <translation>Revoir la partie</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Cette partie ne peut pas être revue : %1</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>Skip Intro</source>
        <translation>Passer l’intro</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Start a game</source>
        <translation>Commencer une partie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Choose the keys and the image quality</source>
        <translation>Choisir les touches et la qualité d’image</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>The ten best results</source>
        <translation>Les dix meilleurs résultats</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Leave Vexaroo</source>
        <translation>Quitter Vexaroo</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Open the help text in the text editor</source>
        <translation>Ouvrir le texte d’aide dans l’éditeur de texte</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The sound is on; press to turn it off</source>
        <translation>Le son est activé ; appuyer pour le couper</translation>
    </message>
    <message>
        <source>The sound is off; press to turn it on</source>
        <translation>Le son est coupé ; appuyer pour l’activer</translation>
    </message>
    <message>
        <source> Created by: The Vexaroo Team</source>
        <translation> Créé par&#xa0;: l’équipe Vexaroo</translation>
    </message>
    <message>
        <source> Programming: The Vexaroo Team</source>
        <translation> Programmation&#xa0;: l’équipe Vexaroo</translation>
    </message>
    <message>
        <source> Art and Movies: The Vexaroo Team</source>
        <translation> Graphismes&#xa0;: l’équipe Vexaroo</translation>
    </message>
    <message>
        <source> Version: 1.0</source>
        <translation> Version&#xa0;: 1.0</translation>
    </message>
    <message>
        <source> Project Name: Vexaroo</source>
        <translation> Nom du projet&#xa0;: Vexaroo</translation>
    </message>
    <message>
        <source>    Vexaroo is the most intense third           person shooter of its time. In the beginning of  the game, hazardous objects come flying at      Gorvan, slow at first, but gradually            increasing in speed as the levels progress.        Equipped with a gun, Gorvan is able to      shoot at the approaching objects and move      up, down, left and right. This game also            features a high scores screen and adjustable    control and graphics settings.</source>
        <translation>    Vexaroo est le jeu de tir à la troisième personne le plus intense de son époque. Des objets dangereux foncent sur Gorvan, lentement d’abord, puis de plus en plus vite à chaque niveau. Armé d’un pistolet, Gorvan leur tire dessus et se déplace en haut, en bas, à gauche et à droite. Avec un tableau des meilleurs scores et des réglages des commandes et des graphismes.</translation>
    </message>
    <message>
        <source> Project Description:</source>
        <translation> Description du projet&#xa0;:</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The help could not be opened.<byte value="xd"/>
</source>
        <translation>Impossible d’ouvrir l’aide.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmRecord</name>
    <message>
        <source>You have a high score!</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source> You have achieved a high score! Please enter your name  to be entered into the Vexaroo hall of fame.</source>
        <translation> Nouveau record&#xa0;! Entrez votre nom pour entrer au panthéon de Vexaroo.</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Level Achieved:</source>
        <translation>Niveau atteint&#xa0;:</translation>
    </message>
    <message>
        <source>Enemies Destroyed:</source>
        <translation>Ennemis détruits&#xa0;:</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Image Quality</source>
        <translation>Qualité d’image</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Image Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Set the quality of the flash images to  improve performance.</source>
        <translation> Réglez la qualité des animations pour de meilleures performances.</translation>
    </message>
    <message>
        <source> Customize the controls by clicking on  the control box and then press the     key of your choice.</source>
        <translation> Cliquez sur une case, puis appuyez sur la touche de votre choix pour changer les commandes.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2.</source>
        <translation>Impossible d’écrire le fichier de réglages «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Move Left:</source>
        <translation>Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Move Right:</source>
        <translation>Droite&#xa0;:</translation>
    </message>
    <message>
        <source>Move Up:</source>
        <translation>Haut&#xa0;:</translation>
    </message>
    <message>
        <source>Move Down:</source>
        <translation>Bas&#xa0;:</translation>
    </message>
    <message>
        <source>Fire:</source>
        <translation>Tir&#xa0;:</translation>
    </message>
</context>
<context>
    <name>sys</name>
    <message>
        <source>it ended unexpectedly</source>
        <translation>il s’est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>it ended with exit code %1</source>
        <translation>il s’est terminé avec le code de sortie %1</translation>
    </message>
    <message>
        <source>its folder&apos;s path is longer than the %1 bytes the system takes</source>
        <translation>le chemin de son dossier dépasse les %1 octets admis par le système</translation>
    </message>
    <message>
        <source>its folder cannot be named: %1</source>
        <translation>son dossier ne peut pas être nommé&#xa0;: %1</translation>
    </message>
    <message>
        <source>its path is longer than the %1 bytes the system takes</source>
        <translation>son chemin dépasse les %1 octets admis par le système</translation>
    </message>
</context>
</TS>
