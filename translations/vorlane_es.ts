<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BannerEditor</name>
    <message>
        <source>Edit Banner Text</source>
        <translation>Editar el texto del banner</translation>
    </message>
    <message>
        <source>Enter the text to display:</source>
        <translation>Introduzca el texto que se mostrará:</translation>
    </message>
</context>
<context>
    <name>BannerFleet</name>
    <message>
        <source>Failed to launch banner</source>
        <translation>No se pudo iniciar el banner</translation>
    </message>
    <message>
        <source>New Banner Instance</source>
        <translation>Nuevo banner</translation>
    </message>
    <message>
        <source>Enter a name for the new banner:</source>
        <translation>Introduzca un nombre para el nuevo banner:</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>e.g. ticker, monitor, side-info</source>
        <translation>p. ej. ticker, monitor, side-info</translation>
    </message>
    <message>
        <source>Banner on %1</source>
        <translation>Banner en %1</translation>
    </message>
    <message>
        <source>another banner is changing it; try again</source>
        <translation>otro banner la está cambiando; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Session Not Saved</source>
        <translation>Sesión no guardada</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2</source>
        <translation>No se pudo guardar la sesión en %1: %2</translation>
    </message>
    <message>
        <source> (the saved session could not be read; it is kept as %1)</source>
        <translation> (la sesión guardada no se pudo leer; se conserva como %1)</translation>
    </message>
    <message>
        <source>Session Saved</source>
        <translation>Sesión guardada</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n banner(s): %1</source>
        <translation>
            <numerusform>%n banner guardado: %1</numerusform>
            <numerusform>%n banners guardados: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Installation Failed</source>
        <translation>Error de instalación</translation>
    </message>
    <message>
        <source>Auto-Start Installed</source>
        <translation>Inicio automático instalado</translation>
    </message>
    <message>
        <source>Vorlane will start automatically at login.</source>
        <translation>Vorlane se iniciará automáticamente al iniciar sesión.</translation>
    </message>
    <message>
        <source>Auto-Start Not Removed</source>
        <translation>Inicio automático no eliminado</translation>
    </message>
    <message>
        <source>Auto-Start Removed</source>
        <translation>Inicio automático eliminado</translation>
    </message>
    <message>
        <source>Vorlane will no longer start at login.</source>
        <translation>Vorlane ya no se iniciará al iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>BannerView</name>
    <message>
        <source>CPU %1</source>
        <translation>CPU %1</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>memoria %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>%1 (this)</source>
        <translation>%1 (este)</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 pt (font: %2)</source>
        <translation>%1 pt (fuente: %2)</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Banner Size: %1 pt</source>
        <translation>Tamaño del banner: %1 pt</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Display %1: %2</source>
        <translation>Pantalla %1: %2</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Show CPU</source>
        <translation>Mostrar CPU</translation>
    </message>
    <message>
        <source>Show Memory</source>
        <translation>Mostrar memoria</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Ocultar todo</translation>
    </message>
    <message>
        <source>Current: %1</source>
        <translation>Actual: %1</translation>
    </message>
    <message>
        <source>Running Banners:</source>
        <translation>Banners en ejecución:</translation>
    </message>
    <message>
        <source>New Banner...</source>
        <translation>Nuevo banner...</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>Nuevo en %1</translation>
    </message>
    <message>
        <source>Restore Saved Session</source>
        <translation>Restaurar la sesión guardada</translation>
    </message>
    <message>
        <source>Save Current Session</source>
        <translation>Guardar la sesión actual</translation>
    </message>
    <message>
        <source>Quick Launch</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>Auto-Start at Login (installed)</source>
        <translation>Inicio automático al iniciar sesión (instalado)</translation>
    </message>
    <message>
        <source>Remove Auto-Start</source>
        <translation>Quitar el inicio automático</translation>
    </message>
    <message>
        <source>Install Auto-Start at Login</source>
        <translation>Iniciar automáticamente al iniciar sesión</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Banners</translation>
    </message>
    <message>
        <source>Edit Text...</source>
        <translation>Editar texto...</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alineación del texto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Reserve Screen Space</source>
        <translation>Reservar espacio en pantalla</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Añadir imagen...</translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Quit This Banner</source>
        <translation>Cerrar este banner</translation>
    </message>
    <message>
        <source>Quit All Banners</source>
        <translation>Cerrar todos los banners</translation>
    </message>
    <message>
        <source>Banner Settings</source>
        <translation>Ajustes del banner</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Salir de Vorlane</translation>
    </message>
    <message>
        <source>Show/Hide Banner</source>
        <translation>Mostrar/ocultar banner</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Carbón</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
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
        <translation>Seleccionar imagen del banner</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Vorlane Colors</source>
        <translation>Colores de Vorlane</translation>
    </message>
</context>
</TS>
