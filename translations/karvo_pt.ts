<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>%.2f×</source>
        <translation>%.2f×</translation>
    </message>
    <message numerus="yes">
        <source>%@ + %d more</source>
        <translation>
            <numerusform>%@ + %d outro</numerusform>
            <numerusform>%@ + %d outros</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ / %@</source>
        <translation>%@ / %@</translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ e mais %d</numerusform>
            <numerusform>%@ e mais %d</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ cannot be read: permission denied. Check the file&apos;s permissions.</source>
        <translation>Não é possível ler %@: permissão negada. Verifique as permissões do arquivo.</translation>
    </message>
    <message>
        <source>%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.</source>
        <translation>Não foi possível ler %@ como mídia: o arquivo está danificado, incompleto ou não é de vídeo nem de áudio.</translation>
    </message>
    <message>
        <source>%@ does not apply to %@</source>
        <translation>%@ não se aplica a %@</translation>
    </message>
    <message>
        <source>%@ has no audio to extract.</source>
        <translation>%@ não tem áudio para extrair.</translation>
    </message>
    <message>
        <source>%@ has no audio to mute.</source>
        <translation>%@ não tem áudio para silenciar.</translation>
    </message>
    <message>
        <source>%@ is a device, not a media file.</source>
        <translation>%@ é um dispositivo, não um arquivo de mídia.</translation>
    </message>
    <message>
        <source>%@ is a folder, not a media file.</source>
        <translation>%@ é uma pasta, não um arquivo de mídia.</translation>
    </message>
    <message>
        <source>%@ is a link to a file that no longer exists.</source>
        <translation>%@ é um link para um arquivo que não existe mais.</translation>
    </message>
    <message>
        <source>%@ is a named pipe, not a media file.</source>
        <translation>%@ é um pipe nomeado, não um arquivo de mídia.</translation>
    </message>
    <message>
        <source>%@ is empty (0 bytes).</source>
        <translation>%@ está vazio (0 bytes).</translation>
    </message>
    <message>
        <source>%@ is not a regular file.</source>
        <translation>%@ não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%@ is not a video file.</source>
        <translation>%@ não é um arquivo de vídeo.</translation>
    </message>
    <message>
        <source>%@ is read-only. Choose another output folder.</source>
        <translation>Não é possível gravar: %@ é somente leitura. Escolha outra pasta de saída.</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ requer um valor</translation>
    </message>
    <message>
        <source>%@ not found. Install with: %@</source>
        <translation>%@ não encontrado. Para instalar: %@</translation>
    </message>
    <message>
        <source>%@ was not found. It may have been moved, renamed or deleted.</source>
        <translation>%@ não foi encontrado. Ele pode ter sido movido, renomeado ou excluído.</translation>
    </message>
    <message>
        <source>%@ · Saved beside the original</source>
        <translation>%@ · Salvo ao lado do original</translation>
    </message>
    <message>
        <source>%@: %@</source>
        <translation>%@: %@</translation>
    </message>
    <message>
        <source>%@; see karvo-cli --help</source>
        <translation>%@; veja karvo-cli --help</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn&apos;t be processed</source>
        <translation>
            <numerusform>Não foi possível processar %d arquivos</numerusform>
            <numerusform>Não foi possível processar %d arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min ago</source>
        <translation>
            <numerusform>há %d min</numerusform>
            <numerusform>há %d min</numerusform>
        </translation>
    </message>
    <message>
        <source>%d px</source>
        <translation>%d px</translation>
    </message>
    <message>
        <source>%d × %d px</source>
        <translation>%d × %d px</translation>
    </message>
    <message>
        <source>%d%%</source>
        <translation>%d%%</translation>
    </message>
    <message>
        <source>%lld px</source>
        <translation>%lld px</translation>
    </message>
    <message>
        <source>%lld s</source>
        <translation>%lld s</translation>
    </message>
    <message>
        <source>%lld%%</source>
        <translation>%lld%%</translation>
    </message>
    <message>
        <source>%lld°</source>
        <translation>%lld°</translation>
    </message>
    <message>
        <source>--angle needs 90, 180 or 270, not &apos;%@&apos;</source>
        <translation>--angle requer 90, 180 ou 270, não “%@”</translation>
    </message>
    <message>
        <source>--at needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--at requer um tempo em segundos, 0 ou mais, não “%@”</translation>
    </message>
    <message>
        <source>--edge needs 3840, 1920, 1280 or 800, not &apos;%@&apos;</source>
        <translation>--edge requer 3840, 1920, 1280 ou 800, não “%@”</translation>
    </message>
    <message>
        <source>--end needs a time after the start</source>
        <translation>--end requer um tempo posterior ao início</translation>
    </message>
    <message>
        <source>--end needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--end requer um tempo em segundos, 0 ou mais, não “%@”</translation>
    </message>
    <message>
        <source>--every needs a part length of at least %@ second, not &apos;%@&apos;</source>
        <translation>--every requer uma duração de segmento de pelo menos %@ segundo, não “%@”</translation>
    </message>
    <message>
        <source>--factor needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--factor requer um número de %@ a %@, não “%@”</translation>
    </message>
    <message>
        <source>--output-dir %@: no such folder</source>
        <translation>--output-dir %@: a pasta não existe</translation>
    </message>
    <message>
        <source>--preset applies to videos, not to the image %@; images take --quality</source>
        <translation>--preset se aplica a vídeos, não à imagem %@; imagens usam --quality</translation>
    </message>
    <message>
        <source>--preset needs 0, 1 or 2, not &apos;%@&apos;</source>
        <translation>--preset requer 0, 1 ou 2, não “%@”</translation>
    </message>
    <message>
        <source>--quality %@ is outside %@ .. %@; using %@</source>
        <translation>--quality %@ está fora do intervalo %@ .. %@; usando %@</translation>
    </message>
    <message>
        <source>--quality applies to images, not to the video %@; videos take --preset</source>
        <translation>--quality se aplica a imagens, não ao vídeo %@; vídeos usam --preset</translation>
    </message>
    <message>
        <source>--quality needs a number from %@ to %@, not &apos;%@&apos;</source>
        <translation>--quality requer um número de %@ a %@, não “%@”</translation>
    </message>
    <message>
        <source>--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 to 1</source>
        <translation>--rect %@ não é uma parte da imagem: X e Y vão de 0 a 1; W e H, de mais de 0 a 1</translation>
    </message>
    <message>
        <source>--rect %@ lies outside the picture: nothing of it is left to keep</source>
        <translation>--rect %@ fica fora da imagem: não sobra nada para manter</translation>
    </message>
    <message>
        <source>--rect %@ reaches past the picture; cropping %@,%@,%@,%@</source>
        <translation>--rect %@ ultrapassa a imagem; recortando em %@,%@,%@,%@</translation>
    </message>
    <message>
        <source>--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, not &apos;%@&apos;</source>
        <translation>--rect requer X,Y,W,H: o canto superior esquerdo e o tamanho como frações da imagem, não “%@”</translation>
    </message>
    <message>
        <source>--start needs a time in seconds, 0 or more, not &apos;%@&apos;</source>
        <translation>--start requer um tempo em segundos, 0 ou mais, não “%@”</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Sobre o Karvo</translation>
    </message>
    <message>
        <source>Aim at a format</source>
        <translation>Aponte para um formato</translation>
    </message>
    <message>
        <source>All Features</source>
        <translation>Todos os recursos</translation>
    </message>
    <message>
        <source>Analyzing video…</source>
        <translation>Analisando o vídeo…</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message numerus="yes">
        <source>Apply to %d files</source>
        <translation>
            <numerusform>Aplicar a %d arquivo</numerusform>
            <numerusform>Aplicar a %d arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Arquivos de áudio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.</source>
        <translation>A remoção de fundo requer um modelo de segmentação. Coloque um modelo ONNX (.onnx) em %@.</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Balances visual quality and file size.</source>
        <translation>Equilibra a qualidade visual e o tamanho do arquivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation>Cancelar tarefa</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled · %d file(s) saved</source>
        <translation>
            <numerusform>Cancelado · %d arquivo salvo</numerusform>
            <numerusform>Cancelado · %d arquivos salvos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot create output: %@</source>
        <translation>Não é possível criar a saída: %@</translation>
    </message>
    <message>
        <source>Cannot determine media duration</source>
        <translation>Não é possível determinar a duração da mídia</translation>
    </message>
    <message>
        <source>Cannot process %@</source>
        <translation>Não é possível processar %@</translation>
    </message>
    <message>
        <source>Cannot read image</source>
        <translation>Não é possível ler a imagem</translation>
    </message>
    <message>
        <source>Cannot read media</source>
        <translation>Não é possível ler a mídia</translation>
    </message>
    <message>
        <source>Cannot read video frames</source>
        <translation>Não é possível ler os quadros do vídeo</translation>
    </message>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>Não é possível salvar %@: %@</translation>
    </message>
    <message>
        <source>Cannot save image</source>
        <translation>Não é possível salvar a imagem</translation>
    </message>
    <message>
        <source>Change Speed</source>
        <translation>Alterar velocidade</translation>
    </message>
    <message>
        <source>Changing speed</source>
        <translation>Alterando a velocidade</translation>
    </message>
    <message>
        <source>Check file access and try again.</source>
        <translation>Verifique o acesso ao arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Choose a file…</source>
        <translation>Escolher um arquivo…</translation>
    </message>
    <message>
        <source>Choose a folder for converted files</source>
        <translation>Escolher uma pasta para os arquivos convertidos</translation>
    </message>
    <message>
        <source>Choose a media file to %@</source>
        <translation>%@: escolher um arquivo de mídia</translation>
    </message>
    <message>
        <source>Choose an action</source>
        <translation>Escolha uma ação</translation>
    </message>
    <message>
        <source>Choose an end time after the start.</source>
        <translation>Escolha um fim posterior ao início.</translation>
    </message>
    <message>
        <source>Choose files to convert (Ctrl+O)</source>
        <translation>Escolher arquivos para converter (Ctrl+O)</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Limpar concluídas</translation>
    </message>
    <message>
        <source>Clear finished tasks</source>
        <translation>Limpar tarefas concluídas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message numerus="yes">
        <source>Completed · %d file(s)</source>
        <translation>
            <numerusform>Concluído · %d arquivo</numerusform>
            <numerusform>Concluído · %d arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Compress Image</source>
        <translation>Comprimir imagem</translation>
    </message>
    <message>
        <source>Compress Video</source>
        <translation>Comprimir vídeo</translation>
    </message>
    <message>
        <source>Compressing</source>
        <translation>Comprimindo</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressão</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversões</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Convert format</source>
        <translation>Converter formato</translation>
    </message>
    <message>
        <source>Convert video, audio, and images right from a file manager drag — or straight from this window.</source>
        <translation>Converta vídeo, áudio e imagens direto de um arraste no gerenciador de arquivos — ou a partir desta janela.</translation>
    </message>
    <message>
        <source>Converted files will be saved to this folder.</source>
        <translation>Os arquivos convertidos serão salvos nesta pasta.</translation>
    </message>
    <message>
        <source>Converting to %@</source>
        <translation>Convertendo para %@</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Convertendo…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Crop Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Crop area</source>
        <translation>Área de recorte</translation>
    </message>
    <message>
        <source>Crop height</source>
        <translation>Altura do recorte</translation>
    </message>
    <message>
        <source>Crop width</source>
        <translation>Largura do recorte</translation>
    </message>
    <message>
        <source>Cropping video</source>
        <translation>Recortando o vídeo</translation>
    </message>
    <message>
        <source>Custom folder</source>
        <translation>Pasta personalizada</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocidade padrão</translation>
    </message>
    <message>
        <source>Default values for the processing tools.</source>
        <translation>Valores padrão das ferramentas de processamento.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Padrões</translation>
    </message>
    <message>
        <source>Defaults apply when a tool window opens; each tool can still adjust per run.</source>
        <translation>Os padrões se aplicam quando a janela de uma ferramenta é aberta; cada ferramenta ainda pode ser ajustada a cada uso.</translation>
    </message>
    <message>
        <source>Demonstration</source>
        <translation>Demonstração</translation>
    </message>
    <message>
        <source>Demonstration of dropping a file on the window</source>
        <translation>Demonstração de como soltar um arquivo na janela</translation>
    </message>
    <message>
        <source>Dismiss result</source>
        <translation>Descartar resultado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Drag &amp; drop converter for video, audio, and images</source>
        <translation>Conversor de vídeo, áudio e imagens por arrastar e soltar</translation>
    </message>
    <message>
        <source>Drag a file in the file manager</source>
        <translation>Arraste um arquivo no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Drag the file into the Karvo window</source>
        <translation>Arraste o arquivo para a janela do Karvo</translation>
    </message>
    <message>
        <source>Drag the rectangle or its corners to choose the part of the picture to keep.</source>
        <translation>Arraste o retângulo ou seus cantos para escolher a parte da imagem a manter.</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Solte os arquivos aqui</translation>
    </message>
    <message>
        <source>Drop files, then pick an action</source>
        <translation>Solte arquivos e escolha uma ação</translation>
    </message>
    <message>
        <source>Duration: %@</source>
        <translation>Duração: %@</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Ferramentas de edição</translation>
    </message>
    <message>
        <source>Enable Quick Drag</source>
        <translation>Ativar o Quick Drag</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Tempo final</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>A cada</translation>
    </message>
    <message>
        <source>Everything the radial menu can do, grouped by source file.</source>
        <translation>Tudo o que o menu radial pode fazer, agrupado por tipo de arquivo de origem.</translation>
    </message>
    <message>
        <source>Failed to launch ffmpeg: %@</source>
        <translation>Falha ao iniciar o ffmpeg: %@</translation>
    </message>
    <message>
        <source>Failed · %@</source>
        <translation>Falha · %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Frame time</source>
        <translation>Tempo do quadro</translation>
    </message>
    <message>
        <source>Freeform</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Hides the shortcut demos</source>
        <translation>Oculta as demonstrações dos atalhos</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualidade</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Segure</translation>
    </message>
    <message>
        <source>Hold ⇧ Shift</source>
        <translation>Segure ⇧ Shift</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>How Karvo handles your data.</source>
        <translation>Como o Karvo trata seus dados.</translation>
    </message>
    <message>
        <source>If the original folder isn&apos;t writable, Karvo asks for a folder instead.</source>
        <translation>Se não for possível gravar na pasta original, o Karvo pede outra pasta.</translation>
    </message>
    <message>
        <source>Image compression</source>
        <translation>Compressão de imagem</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Images only</source>
        <translation>Somente imagens</translation>
    </message>
    <message>
        <source>Images work now. Video and audio need: %@</source>
        <translation>As imagens já funcionam. Para vídeo e áudio: %@</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>Karvo</source>
        <translation>Karvo</translation>
    </message>
    <message>
        <source>Karvo cannot create a file in %@. Choose another output folder.</source>
        <translation>O Karvo não pode criar um arquivo no local indicado (%@). Escolha outra pasta de saída.</translation>
    </message>
    <message>
        <source>Karvo couldn&apos;t save next to the original. Choose a folder for the converted files.</source>
        <translation>O Karvo não conseguiu salvar ao lado do original. Escolha uma pasta para os arquivos convertidos.</translation>
    </message>
    <message>
        <source>Karvo handles video, audio, and images. Other files are skipped.</source>
        <translation>O Karvo trabalha com vídeo, áudio e imagens. Os demais arquivos são ignorados.</translation>
    </message>
    <message>
        <source>Karvo is already running but does not answer; try again in a moment.</source>
        <translation>O Karvo já está em execução, mas não responde; tente novamente em instantes.</translation>
    </message>
    <message>
        <source>Karvo is not allowed to read this file.</source>
        <translation>O Karvo não tem permissão para ler este arquivo.</translation>
    </message>
    <message>
        <source>Karvo may not write to %@. Choose another output folder.</source>
        <translation>O Karvo não tem permissão para gravar em %@. Escolha outra pasta de saída.</translation>
    </message>
    <message>
        <source>Karvo processes files entirely on your computer — nothing is uploaded.</source>
        <translation>O Karvo processa os arquivos inteiramente no seu computador — nada é enviado.</translation>
    </message>
    <message>
        <source>Karvo — Click to open; right-click for menu</source>
        <translation>Karvo — Clique para abrir; clique com o botão direito para ver o menu</translation>
    </message>
    <message>
        <source>Karvo&apos;s tool windows could not be loaded: %@. Reinstall Karvo.</source>
        <translation>Não foi possível carregar as janelas de ferramentas do Karvo: %@. Reinstale o Karvo.</translation>
    </message>
    <message>
        <source>Keep Working</source>
        <translation>Continuar trabalhando</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language, appearance, and Quick Drag.</source>
        <translation>Idioma, aparência e Quick Drag.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Loading preview…</source>
        <translation>Carregando a pré-visualização…</translation>
    </message>
    <message>
        <source>Longest edge</source>
        <translation>Lado maior</translation>
    </message>
    <message>
        <source>MP4 files · Saved beside the original</source>
        <translation>Arquivos MP4 · Salvos ao lado do original</translation>
    </message>
    <message>
        <source>Media conversion and inspection are available.</source>
        <translation>A conversão e a análise de mídia estão disponíveis.</translation>
    </message>
    <message>
        <source>Missing output path</source>
        <translation>Caminho de saída ausente</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Muting</source>
        <translation>Silenciando</translation>
    </message>
    <message>
        <source>Next to the original file</source>
        <translation>Ao lado do arquivo original</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>No audio track</source>
        <translation>Sem faixa de áudio</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>No picture could be decoded from this file.</source>
        <translation>Nenhuma imagem pôde ser decodificada deste arquivo.</translation>
    </message>
    <message>
        <source>No video track</source>
        <translation>Sem faixa de vídeo</translation>
    </message>
    <message>
        <source>Not enough memory to finish.</source>
        <translation>Memória insuficiente para concluir.</translation>
    </message>
    <message>
        <source>Not enough space in %@.</source>
        <translation>Não há espaço suficiente no disco que contém %@.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Onboarding</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Karvo</source>
        <translation>Abrir o Karvo</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Pause preview</source>
        <translation>Pausar a pré-visualização</translation>
    </message>
    <message>
        <source>Permission denied — check that the folder is writable.</source>
        <translation>Permissão negada — verifique se a pasta permite gravação.</translation>
    </message>
    <message>
        <source>Permission denied: the source file cannot be read.</source>
        <translation>Permissão negada: não é possível ler o arquivo de origem.</translation>
    </message>
    <message>
        <source>Play preview</source>
        <translation>Reproduzir a pré-visualização</translation>
    </message>
    <message>
        <source>Preserves more detail with lighter compression.</source>
        <translation>Preserva mais detalhes com uma compressão mais leve.</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posição da pré-visualização</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>Quick Drag</source>
        <translation>Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag could not start. Try again.</source>
        <translation>Não foi possível iniciar o Quick Drag. Tente novamente.</translation>
    </message>
    <message>
        <source>Quick Drag demonstration</source>
        <translation>Demonstração do Quick Drag</translation>
    </message>
    <message>
        <source>Quick Drag is off — drag files into the window to process them</source>
        <translation>O Quick Drag está desativado — arraste arquivos para a janela para processá-los</translation>
    </message>
    <message>
        <source>Quick Drag is on — hold ⇧ while dragging a file in the file manager</source>
        <translation>O Quick Drag está ativado — segure ⇧ enquanto arrasta um arquivo no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Quick Drag needs an X11 session — drag files into the window instead.</source>
        <translation>O Quick Drag requer uma sessão X11 — em vez disso, arraste os arquivos para a janela.</translation>
    </message>
    <message>
        <source>Quit Karvo</source>
        <translation>Sair do Karvo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Release — done!</source>
        <translation>Solte — pronto!</translation>
    </message>
    <message>
        <source>Release, then pick an action</source>
        <translation>Solte e escolha uma ação</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>Remover fundo</translation>
    </message>
    <message>
        <source>Remove Meta</source>
        <translation>Remover metadados</translation>
    </message>
    <message>
        <source>Removing background</source>
        <translation>Removendo o fundo</translation>
    </message>
    <message>
        <source>Removing metadata</source>
        <translation>Removendo os metadados</translation>
    </message>
    <message>
        <source>Replay demo</source>
        <translation>Rever a demonstração</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Resize Image</source>
        <translation>Redimensionar imagem</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Redimensionando</translation>
    </message>
    <message>
        <source>Results are saved next to the source file — never overwriting the original.</source>
        <translation>Os resultados são salvos ao lado do arquivo de origem — sem nunca substituir o original.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Girando</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Ângulo de rotação</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Salvar PNG</translation>
    </message>
    <message>
        <source>Save converted files</source>
        <translation>Salvar os arquivos convertidos</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Segment %d/%d: %@</source>
        <translation>Segmento %d/%d: %@</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Duração dos segmentos</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift + Alt + Drag</source>
        <translation>Shift + Alt + Arrastar</translation>
    </message>
    <message>
        <source>Shift + Drag</source>
        <translation>Shift + Arrastar</translation>
    </message>
    <message>
        <source>Shortcut tips</source>
        <translation>Dicas de atalhos</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Shows the shortcut demos</source>
        <translation>Mostra as demonstrações dos atalhos</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Menor tamanho</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Speed factor</source>
        <translation>Fator de velocidade</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Split Video</source>
        <translation>Dividir vídeo</translation>
    </message>
    <message>
        <source>Splitting</source>
        <translation>Dividindo</translation>
    </message>
    <message>
        <source>Splitting every %@ s would make more than %d parts. Choose a longer part length.</source>
        <translation>Dividir a cada %@ s geraria mais de %d segmentos. Escolha uma duração de segmento maior.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <source>Starting Quick Drag…</source>
        <translation>Iniciando o Quick Drag…</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Stop tasks and quit?</source>
        <translation>Parar as tarefas e sair?</translation>
    </message>
    <message>
        <source>Stronger compression; fine detail may be lost.</source>
        <translation>Compressão mais forte; detalhes finos podem ser perdidos.</translation>
    </message>
    <message>
        <source>Supported files (%@)</source>
        <translation>Arquivos compatíveis (%@)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Taking snapshot</source>
        <translation>Capturando o quadro</translation>
    </message>
    <message>
        <source>The disk reported a read or write error.</source>
        <translation>O disco relatou um erro de leitura ou gravação.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>The file has no track this operation can use.</source>
        <translation>O arquivo não tem nenhuma faixa que esta operação possa usar.</translation>
    </message>
    <message>
        <source>The file has no video track.</source>
        <translation>O arquivo não tem faixa de vídeo.</translation>
    </message>
    <message>
        <source>The file looks damaged or isn&apos;t a supported media file.</source>
        <translation>O arquivo parece danificado ou não é um arquivo de mídia compatível.</translation>
    </message>
    <message>
        <source>The file&apos;s format or codec is not supported.</source>
        <translation>O formato ou o codec do arquivo não é compatível.</translation>
    </message>
    <message>
        <source>The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.</source>
        <translation>O nome de %@ não é UTF-8 válido, então o Karvo não pode abri-lo. Renomeie o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>The original file is no longer there.</source>
        <translation>O arquivo original não está mais lá.</translation>
    </message>
    <message>
        <source>The output file name is too long for %@. Rename the source file to something shorter.</source>
        <translation>O nome do arquivo de saída é longo demais para %@. Dê um nome mais curto ao arquivo de origem.</translation>
    </message>
    <message>
        <source>The output is too large for the file system of %@.</source>
        <translation>O arquivo de saída é grande demais para o sistema de arquivos que contém %@.</translation>
    </message>
    <message>
        <source>The picture is too large to save as %@: it may have at most %d megapixels. Resize it first, or choose JPEG or PNG.</source>
        <translation>A imagem é grande demais para ser salva como %@: o máximo é de %d megapixels. Redimensione-a primeiro ou escolha JPEG ou PNG.</translation>
    </message>
    <message>
        <source>This computer cannot write %@.</source>
        <translation>Este computador não pode gravar no formato %@.</translation>
    </message>
    <message>
        <source>This ffmpeg has no %@ encoder. Install a complete ffmpeg build.</source>
        <translation>Esta versão do ffmpeg não tem o codificador %@. Instale uma versão completa do ffmpeg.</translation>
    </message>
    <message>
        <source>This file doesn&apos;t fit the chosen settings.</source>
        <translation>Este arquivo não é compatível com as configurações escolhidas.</translation>
    </message>
    <message>
        <source>This video can&apos;t be previewed.</source>
        <translation>Não é possível pré-visualizar este vídeo.</translation>
    </message>
    <message>
        <source>Tool windows unavailable</source>
        <translation>Janelas de ferramentas indisponíveis</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message numerus="yes">
        <source>Total duration %@ → %d segments</source>
        <translation>
            <numerusform>Duração total %@ → %d segmento</numerusform>
            <numerusform>Duração total %@ → %d segmentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Aparar</translation>
    </message>
    <message>
        <source>Trim Video</source>
        <translation>Aparar vídeo</translation>
    </message>
    <message>
        <source>Trimming</source>
        <translation>Aparando</translation>
    </message>
    <message>
        <source>Trip.mp4</source>
        <translation>Viagem.mp4</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Unfinished tasks will be cancelled. Completed files will be kept.</source>
        <translation>As tarefas não concluídas serão canceladas. Os arquivos concluídos serão mantidos.</translation>
    </message>
    <message>
        <source>Unsupported file</source>
        <translation>Arquivo não compatível</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versão %@</translation>
    </message>
    <message>
        <source>Version %@ (%@)</source>
        <translation>Versão %@ (%@)</translation>
    </message>
    <message>
        <source>Video compression</source>
        <translation>Compressão de vídeo</translation>
    </message>
    <message>
        <source>Video files</source>
        <translation>Arquivos de vídeo</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Pré-visualização do vídeo</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Watch it in action</source>
        <translation>Veja em ação</translation>
    </message>
    <message>
        <source>Welcome to Karvo</source>
        <translation>Boas-vindas ao Karvo</translation>
    </message>
    <message>
        <source>Where converted files are saved.</source>
        <translation>Onde os arquivos convertidos são salvos.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>ffmpeg exited with %d</source>
        <translation>O ffmpeg terminou com o código %d</translation>
    </message>
    <message>
        <source>ffmpeg not found. Install with: %@</source>
        <translation>ffmpeg não encontrado. Para instalar: %@</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>nenhum arquivo informado</translation>
    </message>
    <message>
        <source>no output was produced</source>
        <translation>nenhuma saída foi gerada</translation>
    </message>
    <message>
        <source>plan needs an action and at least one file</source>
        <translation>plan requer uma ação e pelo menos um arquivo</translation>
    </message>
    <message>
        <source>probe needs at least one file</source>
        <translation>probe requer pelo menos um arquivo</translation>
    </message>
    <message>
        <source>the output folder</source>
        <translation>a pasta de saída</translation>
    </message>
    <message>
        <source>the written file is incomplete</source>
        <translation>o arquivo gravado está incompleto</translation>
    </message>
    <message>
        <source>unknown action &apos;%@&apos;; one of: %@</source>
        <translation>ação desconhecida “%@”; ações possíveis: %@</translation>
    </message>
    <message>
        <source>unknown command &apos;%@&apos;; see karvo-cli --help</source>
        <translation>comando desconhecido “%@”; veja karvo-cli --help</translation>
    </message>
    <message>
        <source>unknown option %@</source>
        <translation>opção desconhecida %@</translation>
    </message>
    <message>
        <source>⇧ Alt Tools</source>
        <translation>⇧ Alt Ferramentas</translation>
    </message>
    <message>
        <source>⇧ Formats</source>
        <translation>⇧ Formatos</translation>
    </message>
</context>
</TS>
