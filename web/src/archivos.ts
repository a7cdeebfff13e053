// Opening and saving the user's files: the File System Access API where the browser has it (the file is then
// saved back in place), a file input and a download elsewhere.

export interface ArchivoAbierto {
  nombre: string;
  bytes: Uint8Array;
  asa: FileSystemFileHandle | null;
}

export interface TipoArchivo {
  descripcion: string;
  extensiones: string[]; // with the dot, e.g. '.asm'
}

interface VentanaConArchivos {
  showOpenFilePicker?: (o: unknown) => Promise<FileSystemFileHandle[]>;
  showSaveFilePicker?: (o: unknown) => Promise<FileSystemFileHandle>;
}
const ventana = window as unknown as VentanaConArchivos;

function tiposSelector(tipos: TipoArchivo[]) {
  return tipos.map((t) => ({
    description: t.descripcion,
    accept: { 'application/octet-stream': t.extensiones },
  }));
}

function esCancelacion(e: unknown): boolean {
  return e instanceof DOMException && e.name === 'AbortError';
}

/** Asks for one file; null when the user cancels. */
export async function abreArchivo(tipos: TipoArchivo[]): Promise<ArchivoAbierto | null> {
  if (ventana.showOpenFilePicker) {
    try {
      const [asa] = await ventana.showOpenFilePicker({ types: tiposSelector(tipos), multiple: false });
      const fichero = await asa.getFile();
      return { nombre: fichero.name, bytes: new Uint8Array(await fichero.arrayBuffer()), asa };
    } catch (e) {
      if (esCancelacion(e)) return null;
      throw e;
    }
  }
  return new Promise((resolver) => {
    const entrada = document.createElement('input');
    entrada.type = 'file';
    entrada.accept = tipos.flatMap((t) => t.extensiones).join(',');
    entrada.addEventListener('change', async () => {
      const fichero = entrada.files?.[0];
      if (!fichero) return resolver(null);
      resolver({ nombre: fichero.name, bytes: new Uint8Array(await fichero.arrayBuffer()), asa: null });
    });
    entrada.addEventListener('cancel', () => resolver(null));
    entrada.click();
  });
}

export function descarga(nombre: string, datos: Uint8Array | string, tipo = 'application/octet-stream') {
  const blob = new Blob([datos as BlobPart], { type: tipo });
  const enlace = document.createElement('a');
  enlace.href = URL.createObjectURL(blob);
  enlace.download = nombre;
  document.body.append(enlace);
  enlace.click();
  enlace.remove();
  setTimeout(() => URL.revokeObjectURL(enlace.href), 10000);
}

/**
 * Saves `datos`: into `asa` when given, else through the save picker where there is one, else as a download.
 * Returns the handle written to (null for a download) or undefined when the user cancelled.
 */
export async function guardaArchivo(
  nombre: string,
  datos: Uint8Array | string,
  tipos: TipoArchivo[],
  asa: FileSystemFileHandle | null = null,
): Promise<FileSystemFileHandle | null | undefined> {
  try {
    if (!asa && ventana.showSaveFilePicker) {
      asa = await ventana.showSaveFilePicker({ suggestedName: nombre, types: tiposSelector(tipos) });
    }
    if (asa) {
      const escritura = await asa.createWritable();
      await escritura.write(datos as FileSystemWriteChunkType);
      await escritura.close();
      return asa;
    }
  } catch (e) {
    if (esCancelacion(e)) return undefined;
    throw e;
  }
  descarga(nombre, datos);
  return null;
}
