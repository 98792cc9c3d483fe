<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BannerEditor</name>
    <message>
        <source>Edit Banner Text</source>
        <translation>Modifier le texte de la bannière</translation>
    </message>
    <message>
        <source>Enter the text to display:</source>
        <translation>Saisissez le texte à afficher :</translation>
    </message>
</context>
<context>
    <name>BannerFleet</name>
    <message>
        <source>Failed to launch banner</source>
        <translation>Impossible de lancer la bannière</translation>
    </message>
    <message>
        <source>New Banner Instance</source>
        <translation>Nouvelle bannière</translation>
    </message>
    <message>
        <source>Enter a name for the new banner:</source>
        <translation>Saisissez un nom pour la nouvelle bannière :</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>e.g. ticker, monitor, side-info</source>
        <translation>p. ex. ticker, monitor, side-info</translation>
    </message>
    <message>
        <source>Banner on %1</source>
        <translation>Bannière sur %1</translation>
    </message>
    <message>
        <source>another banner is changing it; try again</source>
        <translation>une autre bannière la modifie en ce moment ; réessayez</translation>
    </message>
    <message>
        <source>Session Not Saved</source>
        <translation>Session non enregistrée</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2</source>
        <translation>La session n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source> (the saved session could not be read; it is kept as %1)</source>
        <translation> (la session enregistrée était illisible ; elle est conservée sous %1)</translation>
    </message>
    <message>
        <source>Session Saved</source>
        <translation>Session enregistrée</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n banner(s): %1</source>
        <translation>
            <numerusform>%n bannière enregistrée : %1</numerusform>
            <numerusform>%n bannières enregistrées : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Installation Failed</source>
        <translation>Échec de l’installation</translation>
    </message>
    <message>
        <source>Auto-Start Installed</source>
        <translation>Démarrage automatique installé</translation>
    </message>
    <message>
        <source>Vorlane will start automatically at login.</source>
        <translation>Vorlane démarrera automatiquement à la connexion.</translation>
    </message>
    <message>
        <source>Auto-Start Not Removed</source>
        <translation>Démarrage automatique non supprimé</translation>
    </message>
    <message>
        <source>Auto-Start Removed</source>
        <translation>Démarrage automatique supprimé</translation>
    </message>
    <message>
        <source>Vorlane will no longer start at login.</source>
        <translation>Vorlane ne démarrera plus à la connexion.</translation>
    </message>
</context>
<context>
    <name>BannerView</name>
    <message>
        <source>CPU %1</source>
        <translation>processeur %1</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>mémoire %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>%1 (this)</source>
        <translation>%1 (celle-ci)</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 pt (font: %2)</source>
        <translation>%1 pt (police : %2)</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Banner Size: %1 pt</source>
        <translation>Taille de la bannière : %1 pt</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée…</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Display %1: %2</source>
        <translation>Écran %1 : %2</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Show CPU</source>
        <translation>Afficher le processeur</translation>
    </message>
    <message>
        <source>Show Memory</source>
        <translation>Afficher la mémoire</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <source>Current: %1</source>
        <translation>Actuelle : %1</translation>
    </message>
    <message>
        <source>Running Banners:</source>
        <translation>Bannières en cours :</translation>
    </message>
    <message>
        <source>New Banner...</source>
        <translation>Nouvelle bannière…</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>Nouvelle sur %1</translation>
    </message>
    <message>
        <source>Restore Saved Session</source>
        <translation>Restaurer la session enregistrée</translation>
    </message>
    <message>
        <source>Save Current Session</source>
        <translation>Enregistrer la session actuelle</translation>
    </message>
    <message>
        <source>Quick Launch</source>
        <translation>Lancement rapide</translation>
    </message>
    <message>
        <source>Auto-Start at Login (installed)</source>
        <translation>Démarrage automatique à la connexion (installé)</translation>
    </message>
    <message>
        <source>Remove Auto-Start</source>
        <translation>Supprimer le démarrage automatique</translation>
    </message>
    <message>
        <source>Install Auto-Start at Login</source>
        <translation>Démarrer automatiquement à la connexion</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Bannières</translation>
    </message>
    <message>
        <source>Edit Text...</source>
        <translation>Modifier le texte…</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Reserve Screen Space</source>
        <translation>Réserver l’espace à l’écran</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Ajouter une image…</translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation>Retirer l’image</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Quit This Banner</source>
        <translation>Quitter cette bannière</translation>
    </message>
    <message>
        <source>Quit All Banners</source>
        <translation>Quitter toutes les bannières</translation>
    </message>
    <message>
        <source>Banner Settings</source>
        <translation>Réglages de la bannière</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Quitter Vorlane</translation>
    </message>
    <message>
        <source>Show/Hide Banner</source>
        <translation>Afficher/masquer la bannière</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Anthracite</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select Banner Image</source>
        <translation>Choisir l’image de la bannière</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Vorlane Colors</source>
        <translation>Couleurs de Vorlane</translation>
    </message>
</context>
</TS>
