import './estilos.css';
import { cargaModulo } from './modulo';
import { BancoMontador } from './banco';
import { Simulador } from './simulador';
import { leeEnlace } from './enlaces';
import { muestraComprobacion } from './comprobacion';
import { abreAyuda, elemento, muestraCaja, ventanaInformativa } from './dialogos';

function muestraPestana(cual: 'montador' | 'simulador') {
  for (const nombre of ['montador', 'simulador']) {
    document.getElementById(nombre)!.hidden = nombre !== cual;
    document.getElementById(`pestana-${nombre}`)!.setAttribute('aria-selected', String(nombre === cual));
  }
  document.body.dataset.pestana = cual;
}

async function leeBytes(url: string): Promise<Uint8Array> {
  // A host that refuses other sites (CORS) or no network at all fail the same way for the user.
  const respuesta = await fetch(url).catch(() => null);
  if (!respuesta?.ok) throw new Error(`No se puede leer ${url}${respuesta ? ` (${respuesta.status})` : ''}`);
  return new Uint8Array(await respuesta.arrayBuffer());
}

async function inicia() {
  const modulo = await cargaModulo();
  const dibujo = modulo.dibujo();

  const listaEjemplos = elemento('ul', { class: 'ejemplos' });
  const ejemplos = elemento('div', {}, elemento('h3', {}, 'Ejemplos'), listaEjemplos);

  const simulador = new Simulador(document.getElementById('simulador')!, modulo, dibujo, ejemplos);
  const simula = async (nombre: string, ejecutable: Uint8Array, opciones = {}) => {
    muestraPestana('simulador');
    return simulador.abre(nombre, ejecutable, { interactiva: true, ...opciones });
  };
  const banco = new BancoMontador(document.getElementById('montador')!, modulo, (n, e) => void simula(n, e));

  const abreFuente = async (nombre: string, bytes: Uint8Array) => {
    const { texto, esTexto, demasiadoGrande } = modulo.textoFuente(bytes);
    if (!esTexto && !demasiadoGrande) throw new Error(`'${nombre}' no es un fichero de texto.`);
    banco.ponTexto(nombre, texto, true);
    muestraPestana('montador');
  };

  fetch('ejemplos/indice.json')
    .then((r) => r.json() as Promise<string[]>)
    .then((nombres) => {
      for (const n of nombres) {
        const enlace = elemento('a', { href: `?ejemplo=${encodeURIComponent(n)}` }, n);
        enlace.addEventListener('click', async (e) => {
          e.preventDefault();
          await abreFuente(`${n}.asm`, await leeBytes(`ejemplos/${n}.asm`));
        });
        listaEjemplos.append(elemento('li', {}, enlace));
      }
    })
    .catch(() => ejemplos.remove());

  document.getElementById('pestana-montador')!.addEventListener('click', () => muestraPestana('montador'));
  document.getElementById('pestana-simulador')!.addEventListener('click', () => muestraPestana('simulador'));

  const menu = document.getElementById('menu-ayuda')!;
  const desplegable = menu.querySelector<HTMLElement>('.desplegable')!;
  document
    .getElementById('boton-ayuda')!
    .addEventListener('click', () => (desplegable.hidden = !desplegable.hidden));
  menu.addEventListener(
    'focusout',
    (e) => !menu.contains(e.relatedTarget as Node) && (desplegable.hidden = true),
  );
  for (const b of menu.querySelectorAll<HTMLButtonElement>('[data-ayuda]')) {
    b.addEventListener('click', () => {
      desplegable.hidden = true;
      abreAyuda(b.dataset.ayuda!);
    });
  }
  // "¿Qué es esto?": the next click on a window shows its help text.
  document.getElementById('que-es-esto')!.addEventListener('click', () => {
    desplegable.hidden = true;
    document.body.classList.add('modo-ayuda');
  });
  document.addEventListener(
    'click',
    (e) => {
      if (!document.body.classList.contains('modo-ayuda') || (e.target as HTMLElement).closest('#menu-ayuda'))
        return;
      e.preventDefault();
      e.stopPropagation();
      document.body.classList.remove('modo-ayuda');
      const ventana = (e.target as HTMLElement).closest<HTMLElement>('[data-ayuda]');
      const texto = ventana && dibujo.ayudas[ventana.dataset.ayuda!];
      const titulo = ventana?.querySelector('h3')?.textContent ?? 'Velmo';
      if (texto) ventanaInformativa(titulo, elemento('p', { class: 'ayuda-contextual' }, texto), 'Aceptar');
    },
    true,
  );

  document.addEventListener('keydown', (e) => {
    if (e.key === 'F1') {
      e.preventDefault();
      if (e.shiftKey) document.body.classList.add('modo-ayuda');
      else abreAyuda(document.body.dataset.pestana === 'montador' ? 'montador.html' : 'simulador.html');
      return;
    }
    if (document.querySelector('dialog[open]')) return;
    if (document.body.dataset.pestana === 'simulador') simulador.tecla(e);
  });

  muestraPestana('montador');
  document.body.dataset.listo = 'modulo';
  performance.mark('velmo-usable');

  const enlace = leeEnlace(location.search);
  if (enlace.ejercicio) {
    try {
      const ejercicio = new TextDecoder().decode(await leeBytes(enlace.ejercicio));
      // Read once now, so that a bad exercise file says so on opening rather than at the first check.
      const prueba = modulo.comprobarEjercicio(ejercicio, '');
      if ('titulo' in prueba) {
        banco.anadeComprobar(prueba.titulo, () => {
          // The microprogram the student opened or edited; the exercise decides whether it is used.
          const editor = simulador.editor;
          const mpr =
            editor.nombre !== 'SinNombre' || editor.modificado
              ? modulo.escribeMicroprograma(editor.filas)
              : undefined;
          const r = modulo.comprobarEjercicio(ejercicio, banco.texto, mpr);
          if ('titulo' in r) muestraComprobacion(r);
        });
      } else {
        await muestraCaja({ texto: `Ejercicio no válido: ${prueba.error}`, titulo: 'Velmo', icono: 'error' });
      }
    } catch (e) {
      await muestraCaja({
        texto: e instanceof Error ? e.message : String(e),
        titulo: 'Velmo',
        icono: 'error',
      });
    }
  }
  try {
    if (enlace.ejemplo || enlace.fuente) {
      const url = enlace.ejemplo ? `ejemplos/${enlace.ejemplo}.asm` : enlace.fuente!;
      const nombre = enlace.ejemplo
        ? `${enlace.ejemplo}.asm`
        : decodeURIComponent(new URL(url, location.href).pathname.split('/').pop() || 'fuente.asm');
      await abreFuente(nombre, await leeBytes(url));
      const resultado = banco.montar();
      if (resultado.correcto) {
        // A version-3 exercise brings its microprogram beside the source, with the same name.
        const mpr = async () =>
          /\.(asm|s)$/i.test(url) ? leeBytes(url.replace(/\.(asm|s)$/i, '.mpr')).catch(() => null) : null;
        const nombreVlx = nombre.replace(/\.(asm|s)$/i, '') + '.vlx';
        const abierta = await simula(nombreVlx, resultado.ejecutable, {
          interactiva: false,
          control: enlace.control,
          microprograma: mpr,
        });
        if (abierta && enlace.ejecucion)
          await simulador.corre(enlace.ejecucion.tipo, enlace.ejecucion.n, 'rapida');
      }
    }
  } catch (e) {
    await muestraCaja({ texto: e instanceof Error ? e.message : String(e), titulo: 'Velmo', icono: 'error' });
  }
  document.body.dataset.listo = 'si';
}

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {
    /* without a service worker the page still works online */
  });
}

inicia().catch((e) => {
  document.body.dataset.listo = 'error';
  document.getElementById('estado')!.textContent =
    `No se ha podido cargar Velmo: ${e instanceof Error ? e.message : e}`;
});
