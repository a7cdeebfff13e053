// The site in a real browser (Debian's Chromium, headless): the linked exercise at both screen sizes, every
// example against velmo-sim, breakpoints and stepping back, microprogram editing, a bad file, offline reload.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync } from 'node:fs';
import { join } from 'node:path';
import {
  arranca,
  capturas,
  colorEn,
  espera,
  estadoPagina,
  estadoVelmoSim,
  guardaCaptura,
  pagina,
  puntosCablesActivos,
  raiz,
  tamanos,
} from './ayudas.mjs';

let entorno;
before(async () => (entorno = await arranca()));
after(async () => entorno?.cierra());

async function sinDesplazamientoHorizontal(p) {
  const { ancho, visible } = await p.evaluate(() => ({
    ancho: document.documentElement.scrollWidth,
    visible: innerWidth,
  }));
  assert.ok(ancho <= visible, `la página mide ${ancho} px de ancho en una ventana de ${visible}`);
}

/** Looks for the exact colour among the pixels around each point; true when any matches. */
async function algunPixel(p, puntos, color) {
  for (const { x, y } of puntos) {
    for (const [dx, dy] of [
      [0, 0],
      [0, 1],
      [1, 0],
      [0, -1],
      [-1, 0],
      [1, 1],
    ]) {
      if ((await colorEn(p, x + dx, y + dy)).join() === color.join()) return true;
    }
  }
  return false;
}

/** The microprogram view highlights exactly the row of the microinstruction in progress, on yellow. */
async function filaEnCursoEnAmarillo(p) {
  const enCurso = Number((await p.textContent('.estado-uc')).replace(/\D/g, ''));
  const actuales = p.locator('.vista-microprograma tbody tr.actual');
  assert.equal(await actuales.count(), 1);
  assert.equal(Number(await actuales.locator('th').textContent()), enCurso);
  await actuales.scrollIntoViewIfNeeded();
  const caja = await actuales.locator('td').first().boundingBox();
  assert.deepEqual(await colorEn(p, caja.x + caja.width / 2, caja.y + 2), [255, 255, 0]);
}

describe('enlace a un ejercicio', () => {
  for (const [nombre, tamano] of Object.entries(tamanos)) {
    test(`suma_vector_v2 tras 4 instrucciones, sin un clic, a ${tamano.width}x${tamano.height}`, async () => {
      const p = await pagina(entorno.navegador, tamano);
      await espera(p, `${entorno.url}?ejemplo=suma_vector_v2&instrucciones=4`);
      const esperado = estadoVelmoSim('suma_vector_v2', 4);
      const estado = await estadoPagina(p);
      assert.equal(estado.instrucciones, esperado.instrucciones);
      assert.equal(estado.ciclos, esperado.ciclos);
      assert.equal(estado.filaActual, esperado.fila_actual);
      assert.deepEqual(estado.memoria, esperado.memoria);

      const fila = await p.locator('.tabla-memoria tr.actual td:nth-child(2)').boundingBox();
      assert.ok(
        fila && fila.y >= 0 && fila.y + fila.height <= tamano.height,
        'la fila actual se ve sin desplazar la página',
      );
      assert.deepEqual(await colorEn(p, fila.x + fila.width - 3, fila.y + fila.height / 2), [255, 255, 0]);

      const puntos = await puntosCablesActivos(p);
      assert.ok(puntos.length > 0, 'hay cables activos');
      assert.ok(
        await algunPixel(
          p,
          puntos.filter((q) => q.y < tamano.height),
          [255, 51, 0],
        ),
        'un cable activo se ve rojo',
      );
      await sinDesplazamientoHorizontal(p);
      guardaCaptura(`simulacion-${nombre}.png`, await p.screenshot());
      assert.deepEqual(p.errores, []);
      await p.context().close();
    });
  }
});

describe('ejemplos', () => {
  const ejemplos = readdirSync(join(raiz, 'examples'))
    .filter((f) => f.endsWith('.asm') && !f.startsWith('plantilla_'))
    .map((f) => f.replace(/\.asm$/, ''));
  test('cada ejemplo se monta en la página y llega al mismo estado que velmo-sim', async () => {
    const p = await pagina(entorno.navegador);
    for (const ejemplo of ejemplos) {
      const control = ejemplo.endsWith('_v1') ? 'optimizado' : null;
      await espera(
        p,
        `${entorno.url}?ejemplo=${ejemplo}&instrucciones=30${control ? `&control=${control}` : ''}`,
      );
      const esperado = estadoVelmoSim(ejemplo, 30, control);
      const estado = await estadoPagina(p);
      assert.deepEqual(
        [estado.ciclos, estado.instrucciones, estado.pc, estado.memoria],
        [esperado.ciclos, esperado.instrucciones, esperado.pc, esperado.memoria],
        ejemplo,
      );
    }
    assert.deepEqual(p.errores, []);
    await p.context().close();
  });
});

describe('simulador', () => {
  test('puntos de ruptura, volver atrás y atajos de teclado', async () => {
    const p = await pagina(entorno.navegador);
    await p.addInitScript(() => localStorage.setItem('velmo.noInfoBreakpoint', 'true'));
    await espera(p, `${entorno.url}?ejemplo=bucle_v1`);
    await p.selectOption('.velocidad select', 'rapida');
    const inicio = await estadoPagina(p);
    const destino = 4;
    await p.click(`.tabla-memoria tr[data-fila="${destino}"]`);
    assert.equal(await p.getAttribute(`.tabla-memoria tr[data-fila="${destino}"]`, 'class'), 'breakpoint');
    await p.keyboard.press('F5');
    await p.waitForSelector('body[data-simulacion="parada"]');
    const parada = await estadoPagina(p);
    assert.equal(parada.filaActual, destino);
    assert.ok(parada.ciclos > inicio.ciclos);

    await p.keyboard.press('F6');
    assert.equal((await estadoPagina(p)).ciclos, parada.ciclos + 1);
    await p.keyboard.press('Shift+F6');
    assert.deepEqual(await estadoPagina(p), parada);
    await p.keyboard.press('Shift+F7');
    const atras = await estadoPagina(p);
    assert.equal(atras.instrucciones, parada.instrucciones - 1);
    await p.keyboard.press('F7');
    await p.waitForSelector('body[data-simulacion="parada"]');
    assert.deepEqual(await estadoPagina(p), parada);
    guardaCaptura('breakpoint-escritorio.png', await p.screenshot());

    // A click on the ROM opens the state diagram with its outputs per state, as on the desktop.
    const uc = p.locator('svg.unidad-control');
    const caja = await uc.boundingBox();
    await uc.click({ position: { x: (190 * caja.width) / 325, y: (60 * caja.height) / 228 } });
    const mapa = p.locator('dialog[open] table.salidas-estados');
    assert.equal(await mapa.locator('thead th').last().textContent(), 's11');
    assert.equal(await mapa.locator('tbody tr').count(), 10);
    assert.equal(await mapa.locator('tbody tr:has-text("PC <- @+1") td').last().textContent(), '1');
    guardaCaptura('mapa-estados.png', await p.screenshot());
    await p.click('dialog[open] button:has-text("Volver")');
    assert.deepEqual(p.errores, []);
    await p.context().close();
  });

  test('el editor de microprograma cambia una microinstrucción y la vista del microprograma la muestra', async () => {
    const p = await pagina(entorno.navegador);
    await espera(p, `${entorno.url}?ejemplo=multiplicacion_v3`);
    assert.equal(
      await p.locator('.registros tr:has-text("RegAux")').count(),
      1,
      'RegAux se ve una vez en la máquina de la versión 3',
    );
    await p.click('[data-orden=microprograma]');
    const celda = p.locator('.editor-microprograma tbody tr').nth(15).locator('td[data-campo=pAux]');
    const antes = await celda.textContent();
    await celda.click();
    await p.check(`dialog:has-text("Celda de 1 bit") input[value="${antes === '1' ? 0 : 1}"]`);
    await p.click('dialog:has-text("Celda de 1 bit") button:has-text("Aceptar")');
    await p.waitForFunction(
      ([t]) =>
        document.querySelectorAll('.editor-microprograma tbody tr')[15]?.querySelector('td[data-campo=pAux]')
          ?.textContent === t,
      [antes === '1' ? '0' : '1'],
    );
    await p.click('.editor-microprograma button:has-text("Cerrar")');
    assert.equal(
      await p.textContent('.vista-microprograma tbody tr:nth-child(16) td:last-child'),
      antes === '1' ? '0' : '1',
    );
    await p.click('dialog:has-text("¿Desea guardarlo?") button:has-text("No")');
    assert.equal(await p.locator('.vista-microprograma tbody tr').count(), 16);
    assert.equal(await p.textContent('.vista-microprograma thead th:last-child'), 'pAux');
    await filaEnCursoEnAmarillo(p);
    guardaCaptura('microprograma-escritorio.png', await p.screenshot());
    assert.deepEqual(p.errores, []);
    await p.context().close();
  });

  test('la vista del microprograma fijo muestra sus 14 microinstrucciones', async () => {
    const p = await pagina(entorno.navegador);
    await espera(p, `${entorno.url}?ejemplo=bucle_v1&control=microprogramado&instrucciones=2`);
    const filas = p.locator('.vista-microprograma tbody tr');
    assert.equal(await filas.count(), 14);
    assert.deepEqual(await filas.nth(1).locator('td').allTextContents(), [
      ...'0000000000'.split(''),
      '1001',
      '100',
    ]);
    assert.equal(await p.textContent('.vista-microprograma thead th:last-child'), 'Test');
    await filaEnCursoEnAmarillo(p);
    guardaCaptura('microprograma-fijo-escritorio.png', await p.screenshot());
    assert.deepEqual(p.errores, []);
    await p.context().close();
  });

  test('un fichero que no es un ejecutable se rechaza con el mensaje del simulador', async () => {
    const p = await pagina(entorno.navegador);
    // Without the File System Access API the page falls back to a file input, which the test can fill.
    await p.addInitScript(() => delete window.showOpenFilePicker);
    await espera(p, entorno.url);
    await p.click('#pestana-simulador');
    const [selector] = await Promise.all([p.waitForEvent('filechooser'), p.click('[data-orden=cargar]')]);
    await selector.setFiles({
      name: 'malo.vlx',
      mimeType: 'application/octet-stream',
      buffer: Buffer.from('esto no es un ejecutable'),
    });
    const caja = p.locator('dialog.caja');
    await caja.waitFor();
    assert.match(await caja.textContent(), /\S/);
    assert.equal(await p.getAttribute('body', 'data-simulacion'), 'cerrada');
    guardaCaptura('fichero-malo-escritorio.png', await p.screenshot());
    await p.context().close();
  });
});

describe('montador', () => {
  for (const [nombre, tamano] of Object.entries(tamanos)) {
    test(`un error marca su línea y un clic en el mensaje la alcanza (${tamano.width}x${tamano.height})`, async () => {
      const p = await pagina(entorno.navegador, tamano);
      await espera(p, entorno.url);
      await p.click('.cm-content');
      await p.keyboard.press('Control+End');
      await p.keyboard.type('\n\tadd nada, var1');
      await p.click('button:has-text("Montar")');
      // The assembler's own box, if it raises one, is closed first.
      await p
        .locator('dialog.caja button')
        .click({ timeout: 2000 })
        .catch(() => {});
      const error = p.locator('.mensajes li.mensaje-error[tabindex]').first();
      await error.waitFor();
      assert.equal(await p.locator('.cm-line.linea-error').count(), 1);
      await p.keyboard.press('Control+Home');
      await error.click();
      const linea = await p.evaluate(() => document.querySelector('.cm-activeLine')?.textContent);
      assert.match(linea, /add nada, var1/);
      await sinDesplazamientoHorizontal(p);
      guardaCaptura(`montador-${nombre}.png`, await p.screenshot());
      await p.reload();
      await p.waitForSelector('body[data-listo="si"]');
      assert.match(
        await p.textContent('.cm-content'),
        /add nada, var1/,
        'el texto sigue tras cerrar la pestaña',
      );
      // A link replaces the text without asking; the modified text it replaced can be taken back.
      await espera(p, `${entorno.url}?ejemplo=bucle_v1`);
      await p.click('#pestana-montador');
      await p.click('button:has-text("Recuperar anterior")');
      assert.match(await p.textContent('.cm-content'), /add nada, var1/);
      await p.context().close();
    });
  }
});

describe('ejercicio con casos', () => {
  test('Comprobar: la solución correcta tiene todos los puntos, la incorrecta muestra sus diferencias', async () => {
    const p = await pagina(entorno.navegador);
    const carpeta = 'ejemplos/ejercicios/multiplicacion_v1';
    const comprueba = async (solucion) => {
      await espera(
        p,
        `${entorno.url}?ejercicio=${carpeta}.json&fuente=${carpeta}/${solucion}/multiplicacion.asm`,
      );
      await p.click('#pestana-montador');
      await p.click('button:has-text("Comprobar")');
      const dialogo = p.locator('dialog.dialogo-comprobacion');
      await dialogo.waitFor();
      const filas = await dialogo
        .locator('tbody tr')
        .evaluateAll((trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
      return { filas, total: await dialogo.locator('tfoot th').last().textContent() };
    };

    const correcta = await comprueba('correcta');
    assert.equal(correcta.total, '10 / 10');
    assert.ok(
      correcta.filas.every((f) => f[1] === 'correcto'),
      JSON.stringify(correcta.filas),
    );

    const { filas, total } = await comprueba('incorrecta');
    assert.equal(total, '7 / 10');
    const i = filas.findIndex((f) => f[0] === 'por cero');
    assert.deepEqual(filas[i].slice(1), ['límite de ciclos', '0 / 3']);
    assert.match(filas[i + 1][0], /\[normal\] límite de ciclos: no ha terminado en 5000 ciclos/);
    // A hidden case tells only whether it passed.
    assert.deepEqual(filas.at(-1), ['cero por cuatro (oculto)', 'correcto', '1 / 1']);
    await p.context().close();
  });
});

describe('sin conexión', () => {
  test('la página vuelve a cargarse y a simular sin red', async () => {
    const p = await pagina(entorno.navegador);
    await espera(p, entorno.url);
    await p.evaluate(() => navigator.serviceWorker.ready);
    await p.context().setOffline(true);
    await espera(p, `${entorno.url}?ejemplo=potencia_dos_v2&instrucciones=3`);
    assert.equal((await estadoPagina(p)).instrucciones, 3);
    await p.context().close();
  });
});

describe('medidas', () => {
  test('tiempo hasta poder usar la página, dibujo de un ciclo y 10000 instrucciones hasta un punto de ruptura', async () => {
    const p = await pagina(entorno.navegador);
    await p.addInitScript(() => localStorage.setItem('velmo.noInfoBreakpoint', 'true'));
    // Usable: the module loaded and the workbench ready, on a second visit (the first one fills the caches).
    await espera(p, entorno.url);
    const primera = await p.evaluate(() => performance.getEntriesByName('velmo-usable')[0].startTime);
    await p.evaluate(() => navigator.serviceWorker.ready);
    await p.goto(entorno.url);
    await p.waitForSelector('body[data-listo="si"]');
    const carga = await p.evaluate(
      () => performance.getEntriesByName('velmo-usable')[0]?.startTime ?? Infinity,
    );
    await espera(p, `${entorno.url}?ejemplo=bucle_v1`);
    await p.selectOption('.velocidad select', 'rapida');
    // One cycle: the module's step, the state picture and every panel redrawn, with style and layout.
    const dibujo = await p.evaluate(() => {
      const boton = document.querySelector('[data-orden=ciclo]');
      const veces = [];
      for (let i = 0; i < 21; i++) {
        const t = performance.now();
        boton.click();
        void document.body.offsetHeight;
        veces.push(performance.now() - t);
      }
      return veces.sort((a, b) => a - b)[10];
    });
    // A breakpoint on a data word that is never executed: the run goes on to the 10000-instruction limit. The
    // every-50 question is answered in the page, so that the time is the run's and not the test driver's.
    await p.evaluate(() => {
      window.preguntas = 0;
      window.confirm = () => (window.preguntas++, true);
    });
    await p.click('.tabla-memoria tr[data-fila="127"]');
    const corrida = await p.evaluate(async () => {
      const t = performance.now();
      document.dispatchEvent(new KeyboardEvent('keydown', { key: 'F5' }));
      while (document.body.dataset.simulacion !== 'parada') await new Promise((r) => setTimeout(r, 1));
      return performance.now() - t;
    });
    const estado = await estadoPagina(p);
    const preguntas = await p.evaluate(() => window.preguntas);
    console.log(
      `# medidas: página usable ${primera.toFixed(0)} ms la primera vez, ${carga.toFixed(0)} ms después; ciclo dibujado ${dibujo.toFixed(1)} ms; ` +
        `${estado.instrucciones} instrucciones hasta breakpoint en ${corrida.toFixed(0)} ms (${preguntas} preguntas)`,
    );
    assert.ok(estado.instrucciones >= 10000);
    // The aims (1.5 s, 16 ms, 0.5 s) hold on an idle machine, where the line above reports a few times less;
    // the bounds leave room for a busy CI machine of two cores and still catch a slide of an order of size.
    const holgura = 3;
    assert.ok(carga < 1500 * holgura, `página usable en ${carga} ms`);
    assert.ok(dibujo < 16 * holgura, `ciclo dibujado en ${dibujo} ms`);
    assert.ok(corrida < 500 * holgura, `10000 instrucciones en ${corrida} ms`);
    await p.context().close();
  });
});

console.log(`# capturas en ${capturas}`);
